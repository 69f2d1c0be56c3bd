// check lists each fault of a damaged file with its record (and slot) and fails; repair writes a
// clean copy and never touches its input; dump shows a damaged file without failing and what it
// shows cannot be loaded back unmended.  Damaged files: built by hand, the record reader's fuzz
// corpus when a native build has run its fuzzer, and random damage to a window's file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <random>

#include "GbkConverter.h"
#include "LabelConfigAudit.h"
#include "StdioRecordFileSystem.h"
#include "VjdcfgTestKit.h"

using namespace vjd::annotation;
using namespace vjdcfg_test;
using testing::HasSubstr;
using testing::Not;

namespace {

SymbolLabelConfig Plain(const char* kind, int count) {
  SymbolLabelConfig r;
  InitRecord(r);
  SetSymbolName(r, kind);
  r.nLabelCount = count;
  for (int i = 0; i < count; ++i) SetSlotText(r, i, ("t" + std::to_string(i)).c_str());
  return r;
}

// One record of each kind of damage, a duplicate and trailing bytes.
std::string DamagedFile() {
  SymbolLabelConfig r1 = Plain("乙", 8);
  r1.nLabelCount = 12;
  CopyTextField(r1.szFont[0], kFontFieldSize, "Arial");
  r1.nPosition[1] = 30;
  r1.dHeight[2] = std::numeric_limits<double>::quiet_NaN();
  r1.dWidth[3] = std::numeric_limits<double>::infinity();
  r1.dAngle[4] = -std::numeric_limits<double>::infinity();
  std::memset(r1.szText[5], 'x', kNameFieldSize);
  SetSlotText(r1, 6,
              "a\xFF"
              "b");
  std::memset(r1.szFont[7], 'F', kFontFieldSize);

  SymbolLabelConfig r2 = Plain("甲", 1);
  SetSlotText(r2, 0, "second");

  SymbolLabelConfig r3 = Plain("", 0);
  std::memset(r3.szSymbolName, 'n', kNameFieldSize);
  r3.nLabelCount = -3;
  std::memset(r3.szText[7], 'y', kNameFieldSize);  // beyond the count, still unterminated

  SymbolLabelConfig r4 = Plain("\x81 z", 1);
  std::string cut(48, 'a');
  cut += '\xB0';  // a lead byte whose character was cut off
  std::memcpy(r4.szText[0], cut.c_str(), cut.size() + 1);

  return Bytes(Plain("甲", 2)) + Bytes(r1) + Bytes(r2) + Bytes(r3) + Bytes(r4) +
         std::string(100, '\x11');
}

std::string Line(const std::string& s) {
  return s + "\n";
}

class CheckRepair : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = dir_.Path("damaged.cfg");
    WriteBytes(file_, DamagedFile());
  }
  TempDir dir_;
  std::string file_;
};

TEST_F(CheckRepair, CheckListsEveryProblemWithItsRecordAndFails) {
  const std::string n49 = "\"" + std::string(49, 'n') + "\"";
  const std::string bad = u8"\uFFFD";
  ToolRun run = RunTool({"check", file_});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(
      run.out,
      Line(u8"record 1 \"乙\": label count 12 is outside 0..8") +
          Line(u8"record 1 \"乙\", slot 0: the font is not \"宋体\"") +
          Line(u8"record 1 \"乙\", slot 1: position 30 is outside 0..24") +
          Line(u8"record 1 \"乙\", slot 2: the height is not a finite number") +
          Line(u8"record 1 \"乙\", slot 3: the width is not a finite number") +
          Line(u8"record 1 \"乙\", slot 4: the angle is not a finite number") +
          Line(u8"record 1 \"乙\", slot 5: the text has no terminator inside its field") +
          Line(u8"record 1 \"乙\", slot 6: the text holds bytes that are no GBK text") +
          Line(u8"record 1 \"乙\", slot 7: the font has no terminator inside its field") +
          Line(u8"record 1 \"乙\", slot 7: the font is not \"宋体\"") +
          Line(u8"record 2 \"甲\": the kind is stored again; lookups use record 0") +
          Line("record 3 " + n49 + ": the kind name has no terminator inside its field") +
          Line("record 3 " + n49 + ": label count -3 is outside 0..8") +
          Line("record 3 " + n49 + ", slot 7: the text has no terminator inside its field") +
          Line("record 4 \"" + bad + " z\": the kind name holds bytes that are no GBK text") +
          Line("record 4 \"" + bad + " z\", slot 0: the text holds bytes that are no GBK text") +
          Line("end of file: 100 bytes after the 5 whole record(s) make no record") +
          Line(file_ + ": 5 record(s), 17 problem(s)"));
}

TEST_F(CheckRepair, CheckPassesAFileTheWindowWrote) {
  const std::string file = dir_.Path("clean.cfg");
  WindowStore(file, GridRecord("甲", {{"设备", "是", "", "", "是", "", "", "", 21}}));
  WindowStore(file, GridRecord("乙", {}));
  ToolRun run = RunTool({"check", file});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, file + ": 2 record(s), no problems\n");
  EXPECT_EQ(RunTool({"check", dir_.Path("missing.cfg")}).status, 2);
  EXPECT_FALSE(FileExists(dir_.Path("missing.cfg")));  // reading never creates the file
}

TEST_F(CheckRepair, RepairWritesACleanCopyAndLeavesTheFileAlone) {
  const std::string before = ReadBytes(file_);
  const std::string out = dir_.Path("clean.cfg");
  ToolRun run = RunTool({"repair", file_, "-o", out});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, out + ": 4 record(s) of 5 written, 17 problem(s) mended\n");
  EXPECT_TRUE(ReadBytes(file_) == before);
  EXPECT_EQ(RunTool({"check", out}).status, 0);

  const std::string clean = ReadBytes(out);
  ASSERT_EQ(clean.size(), 4 * kRecordSize);  // the duplicate and the trailing bytes dropped
  EXPECT_EQ(clean.substr(0, kRecordSize), before.substr(0, kRecordSize));  // a good record stays
  ToolRun dump = RunTool({"dump", out});
  ASSERT_EQ(dump.status, 0);
  EXPECT_EQ(dump.err, "");
  for (const char* shown :
       {"\"count\": 8", "\"text\": \"t0\", \"visible\": false, \"position\": 0",
        "\"text\": \"t1\", \"visible\": false, \"position\": 0",
        "\"text\": \"t2\", \"visible\": false, \"position\": 0, \"height\": 0.003,",
        "\"width\": 0.0015, \"angle_follows\": true, \"angle\": 0.0",
        "\"text\": \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\"", "\"text\": \"a?b\"",
        "\"count\": 0", "\"kind\": \"? z\"",
        "\"text\": \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa?\""}) {
    EXPECT_THAT(dump.out, HasSubstr(shown));
  }
  EXPECT_THAT(dump.out, Not(HasSubstr("second")));  // the first record of a kind is kept
  EXPECT_THAT(dump.out, Not(HasSubstr("Arial")));
}

TEST_F(CheckRepair, RepairRefusesToWriteOverItsInput) {
  const std::string before = ReadBytes(file_);
  const std::vector<std::string> names = dir_.Names();
  std::string other_spelling = dir_.Path(".") + "/damaged.cfg";
  for (const std::string& out : {file_, other_spelling}) {
    ToolRun run = RunTool({"repair", file_, "-o", out});
    EXPECT_EQ(run.status, 1) << out;
    EXPECT_THAT(run.err, HasSubstr("repair never changes its input"));
  }
  EXPECT_TRUE(ReadBytes(file_) == before);
  EXPECT_EQ(dir_.Names(), names);
  EXPECT_EQ(RunTool({"repair", dir_.Path("missing.cfg"), "-o", dir_.Path("out.cfg")}).status, 2);
  EXPECT_FALSE(FileExists(dir_.Path("out.cfg")));
}

// What check does not call a problem, repair does not touch: a clean file comes back byte for
// byte, whatever lies after the texts' ends and in the slots beyond the count.
TEST_F(CheckRepair, RepairGivesACleanFileBackByteForByte) {
  SymbolLabelConfig r = Plain("甲", 2);
  std::memcpy(r.szSymbolName + 3, "junk", 4);   // after the name's end
  std::memcpy(r.szText[0] + 3, "\x01\xFF", 2);  // after the text's end
  std::memcpy(r.szFont[1] + 5, "\x7F", 1);
  r.dHeight[5] = std::numeric_limits<double>::quiet_NaN();  // beyond the count
  r.dAngle[7] = std::numeric_limits<double>::infinity();
  r.nPosition[6] = 99;
  CopyTextField(r.szFont[4], kFontFieldSize, "Arial");
  SetSlotText(r, 3, "\t\xFF");
  const std::string bytes = Bytes(r) + Bytes(Plain("乙", 0));
  WriteBytes(file_, bytes);
  ToolRun check = RunTool({"check", file_});
  EXPECT_EQ(check.status, 0) << check.out;
  ToolRun repair = RunTool({"repair", file_, "-o", dir_.Path("out.cfg")});
  ASSERT_EQ(repair.status, 0) << repair.err;
  EXPECT_EQ(repair.out, dir_.Path("out.cfg") + ": 2 record(s) of 2 written, 0 problem(s) mended\n");
  EXPECT_TRUE(ReadBytes(dir_.Path("out.cfg")) == bytes);
}

// Names and texts of the slots in use hold no control characters, and every kind has a name;
// repair replaces the characters by '?' and drops a record without name, which nothing looks up.
TEST_F(CheckRepair, ControlCharactersAndEmptyNamesAreProblemsRepairMends) {
  SymbolLabelConfig tab = Plain("a\tb", 2), empty = Plain("", 1);
  SetSlotText(tab, 1, "x\ny\x7F");
  SetSlotText(tab, 2, "\x01 beyond the count");
  WriteBytes(file_, Bytes(tab) + Bytes(empty) + Bytes(Plain("c", 0)));
  ToolRun check = RunTool({"check", file_});
  EXPECT_EQ(check.status, 1);
  EXPECT_EQ(check.out, Line("record 0 \"a\\tb\": the kind name holds control characters") +
                           Line("record 0 \"a\\tb\", slot 1: the text holds control characters") +
                           Line("record 1 \"\": the kind name is empty") +
                           Line(file_ + ": 3 record(s), 3 problem(s)"));
  const std::string out = dir_.Path("out.cfg");
  ASSERT_EQ(RunTool({"repair", file_, "-o", out}).status, 0);
  SymbolLabelConfig mended = tab;
  SetSymbolName(mended, "a?b");
  SetSlotText(mended, 1, "x?y?");
  EXPECT_TRUE(ReadBytes(out) == Bytes(mended) + Bytes(Plain("c", 0)));
}

// Of two records of a kind, the one lookups find is kept: a name without terminator never
// matched, so the later record with the same name (cut to its field) is the kind's.
TEST_F(CheckRepair, RepairKeepsTheRecordLookupsUse) {
  SymbolLabelConfig unterminated = Plain("", 1);
  std::memset(unterminated.szSymbolName, 'k', kNameFieldSize);
  SetSlotText(unterminated, 0, "never found");
  SymbolLabelConfig found = Plain(std::string(49, 'k').c_str(), 1);
  SetSlotText(found, 0, "found");
  WriteBytes(file_, Bytes(unterminated) + Bytes(found));
  ASSERT_EQ(RunTool({"repair", file_, "-o", dir_.Path("out.cfg")}).status, 0);
  EXPECT_EQ(ReadBytes(dir_.Path("out.cfg")), Bytes(found));
}

// A damaged name that mending makes equal to a sound one (a control character or a byte that is no
// GBK, mended to '?', a name cut to its field) never displaces the record lookups find under it,
// before or after it; check says which record repair drops for it, and repair's count says so.
TEST_F(CheckRepair, AMendedNameNeverDisplacesTheRecordLookupsFind) {
  struct Case {
    std::string damaged, sound;
  };
  const Case cases[] = {{"A\x01", "A?"},
                        {"A\xFF", "A?"},
                        {"\x81 z", "? z"},
                        {"a\tb\x7F", "a?b?"},
                        {std::string(50, 'k'), std::string(49, 'k')}};
  for (const Case& c : cases) {
    for (bool damaged_first : {true, false}) {
      SCOPED_TRACE(testing::PrintToString(c.damaged) + (damaged_first ? " first" : " second"));
      SymbolLabelConfig damaged = Plain("", 1), sound = Plain(c.sound.c_str(), 1);
      std::memcpy(damaged.szSymbolName, c.damaged.data(),
                  std::min<std::size_t>(c.damaged.size() + 1, kNameFieldSize));
      SetSlotText(damaged, 0, "damaged");
      SetSlotText(sound, 0, "sound");
      WriteBytes(file_, damaged_first ? Bytes(damaged) + Bytes(sound) + Bytes(Plain("z", 0))
                                      : Bytes(sound) + Bytes(damaged) + Bytes(Plain("z", 0)));
      const std::string at = damaged_first ? "1" : "0";
      ToolRun check = RunTool({"check", file_});
      EXPECT_EQ(check.status, 1);
      EXPECT_THAT(check.out,
                  HasSubstr("the kind name is that of record " + at + ", which repair keeps"));
      const std::string out = dir_.Path("out.cfg");
      ToolRun repair = RunTool({"repair", file_, "-o", out});
      ASSERT_EQ(repair.status, 0) << repair.err;
      EXPECT_THAT(repair.out, HasSubstr("2 record(s) of 3 written, 2 problem(s) mended"));
      EXPECT_TRUE(ReadBytes(out) == Bytes(sound) + Bytes(Plain("z", 0)));
    }
  }
}

// A damaged file is dumped as the window reads it: sizes and angles that are not finite show
// their defaults, what cannot be repaired shows as it is and keeps the dump from loading.
TEST_F(CheckRepair, DumpShowsADamagedFileAndItsDumpIsNotLoadedBack) {
  ToolRun dump = RunTool({"dump", file_});
  ASSERT_EQ(dump.status, 0);
  for (const char* shown :
       {"\"height\": 0.003", "\"width\": 0.0015", "\"angle\": 0.0", u8"\"text\": \"a\uFFFDb\"",
        "\"font\": \"Arial\"", "\"position\": 30"}) {
    EXPECT_THAT(dump.out, HasSubstr(shown));
  }
  EXPECT_THAT(dump.err, HasSubstr("17 problem(s)"));
  ToolRun load = RunTool({"load", dir_.Path("new.cfg"), "-"}, dump.out);
  EXPECT_EQ(load.status, 1);
  EXPECT_THAT(load.err, HasSubstr(u8"kinds[1] \"乙\", slot 1, field \"position\""));
  EXPECT_THAT(load.err, HasSubstr(u8"kinds[2] \"甲\", field \"kind\": the kind is given twice"));
  EXPECT_FALSE(FileExists(dir_.Path("new.cfg")));
}

// Whatever the damage: check does not fail to run, repair's copy is clean and repairing it again
// changes nothing, and the copy goes through dump and load into an empty file unchanged.
void ExpectRepairable(const TempDir& dir, const std::string& bytes) {
  const std::string in = dir.Path("in.cfg"), out = dir.Path("out.cfg"), back = dir.Path("back.cfg");
  WriteBytes(in, bytes);
  ToolRun check = RunTool({"check", in});
  ASSERT_TRUE(check.status == 0 || check.status == 1) << check.err;
  ASSERT_EQ(RunTool({"dump", in}).status, 0);
  ASSERT_EQ(RunTool({"list", in}).status, 0);
  ASSERT_EQ(RunTool({"repair", in, "-o", out}).status, 0);
  ToolRun clean = RunTool({"check", out});
  ASSERT_EQ(clean.status, 0) << clean.out;
  ASSERT_EQ(RunTool({"repair", out, "-o", back}).status, 0);
  ASSERT_TRUE(ReadBytes(back) == ReadBytes(out));
  ToolRun dump = RunTool({"dump", out});
  ASSERT_EQ(dump.status, 0);
  WriteBytes(back, "");
  ASSERT_EQ(RunTool({"load", back, "-"}, dump.out).status, 0);
  ASSERT_EQ(RunTool({"dump", back}).out, dump.out);
}

#ifdef VJD_FUZZ_CORPUS
TEST(RepairFuzz, EveryFileOfTheRecordReadersCorpusIsRepairable) {
  namespace fs = std::filesystem;
  std::error_code ec;
  int seen = 0;
  TempDir dir;
  for (const auto& entry : fs::directory_iterator(VJD_FUZZ_CORPUS, ec)) {
    if (!entry.is_regular_file() || ++seen > 400) continue;
    SCOPED_TRACE(entry.path().string());
    ExpectRepairable(dir, ReadBytes(entry.path().u8string()));
    if (HasFatalFailure()) return;
  }
  if (seen == 0) GTEST_SKIP() << "no fuzz corpus: the native build's fuzz test makes one";
}
#endif

TEST(RepairFuzz, RandomDamageToAWindowsFileIsRepairable) {
  TempDir dir;
  const std::string base_path = dir.Path("base.cfg");
  WindowStore(base_path,
              GridRecord("高压开关", {{"设备名称", "是", "", "", "是", "", "255", "", 8},
                                      {"额定电压", "否", "0.5", "", "否", "30", "", "-1", 22}}));
  WindowStore(base_path, GridRecord("电动机", {{"a", "是", "", "", "是", "", "", "", 1}}));
  WindowStore(base_path, GridRecord("短路点", {}));
  const std::string base = ReadBytes(base_path);
  std::mt19937 random(1062);
  for (int sample = 0; sample < 120; ++sample) {
    std::string bytes = base;
    const int damage = 1 + static_cast<int>(random() % 4);
    for (int d = 0; d < damage; ++d) {
      switch (random() % 4) {
        case 0:  // a run of random bytes anywhere
          for (std::size_t at = random() % bytes.size(), n = 1 + random() % 64;
               n > 0 && at < bytes.size(); --n, ++at) {
            bytes[at] = static_cast<char>(random());
          }
          break;
        case 1:  // cut short
          bytes.resize(random() % bytes.size());
          break;
        case 2:  // a record stored twice
          bytes += bytes.substr(0, kRecordSize);
          break;
        default:  // one field of one record
          if (bytes.size() >= kRecordSize) {
            std::size_t at = random() % (bytes.size() / kRecordSize) * kRecordSize;
            const std::size_t offsets[] = {kOffsetLabelCount, kOffsetPosition, kOffsetHeight,
                                           kOffsetAngle, kOffsetFont};
            at += offsets[random() % 5] + random() % 8 * 4;
            for (int b = 0; b < 8 && at < bytes.size(); ++b) bytes[at++] = static_cast<char>(0xFF);
          }
      }
    }
    if (bytes.empty()) continue;
    SCOPED_TRACE("sample " + std::to_string(sample));
    ExpectRepairable(dir, bytes);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
