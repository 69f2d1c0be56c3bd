// The configuration file has two readers: the plug-in's (LabelConfigFile) and the maker library
// stand-in's own (KindRecordFile), written apart from the format document.  Both read the same
// files, sound and damaged, and must agree on every kind looked up: whether it is there, and every
// field of every slot in use.  So must the layouts both use for a kind that has no record.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "GbkText.h"
#include "KindRecordFile.h"
#include "LabelConfigFile.h"
#include "MemoryRecordFileSystem.h"

using namespace vjd::annotation;

namespace {

using Bytes = std::vector<unsigned char>;

// A sound record of `count` slots whose fields all differ from slot to slot.
Bytes Record(const std::string& name, int count) {
  SymbolLabelConfig r;
  InitRecord(r);
  SetSymbolName(r, name.c_str());
  r.nLabelCount = count;
  for (int i = 0; i < kMaxLabelSlots; ++i) {
    SetSlotText(r, i, (name + static_cast<char>('0' + i)).c_str());
    r.bVisible[i] = i % 2;
    r.nPosition[i] = 3 * i;
    r.clrFore[i] = 0x10203 * (i + 1);
    r.clrBack[i] = -i;
    r.dHeight[i] = 0.004 * (i + 1);
    r.dWidth[i] = 0.25 + i;
    r.dAngle[i] = -15.0 * i;
    r.bAngleFollows[i] = i % 3 == 0;
  }
  const unsigned char* p = reinterpret_cast<const unsigned char*>(&r);
  return Bytes(p, p + sizeof r);
}

template <typename T>
void Poke(Bytes& record, std::size_t offset, T value) {
  std::memcpy(record.data() + offset, &value, sizeof value);
}

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

bool SameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// Every field of the slots in use of the plug-in's record `r` and the stand-in's `k`.
void ExpectSameSlots(const SymbolLabelConfig& r, const jdbase::KindRecord& k) {
  ASSERT_EQ(LabelCount(r), k.count);
  for (int i = 0; i < k.count; ++i) {
    SCOPED_TRACE("slot " + std::to_string(i));
    const jdbase::KindLabel& label = k.labels[i];
    EXPECT_EQ(gbk::FromBuffer(r.szText[i], kNameFieldSize), label.text);
    EXPECT_EQ(int{r.bVisible[i]}, label.visible);
    EXPECT_EQ(int{r.nPosition[i]}, label.position);
    EXPECT_EQ(int{r.clrFore[i]}, label.fore);
    EXPECT_EQ(int{r.clrBack[i]}, label.back);
    EXPECT_TRUE(SameBits(r.dHeight[i], label.height)) << label.height;
    EXPECT_TRUE(SameBits(r.dWidth[i], label.width)) << label.width;
    EXPECT_TRUE(SameBits(r.dAngle[i], label.angle)) << label.angle;
    EXPECT_EQ(int{r.bAngleFollows[i]}, label.angleFollows);
  }
}

// Both readers look `kind` up in `file`; on any difference the test fails, naming the field.
void ExpectSameReading(const Bytes& file, const std::string& kind) {
  SCOPED_TRACE("kind \"" + kind + "\"");
  vjd::testing::MemoryRecordFileSystem files;  // the file in memory, for the plug-in's reader
  files.Put("C:\\host\\" + std::string(LabelConfigFile::kRelativePath),
            std::string(file.begin(), file.end()));
  SymbolLabelConfig r;
  const FileStatus status = LabelConfigFile("C:\\host\\", &files).FindRecord(kind.c_str(), r);

  std::FILE* stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  if (!file.empty()) {
    ASSERT_EQ(std::fwrite(file.data(), 1, file.size(), stream), file.size());
  }
  std::rewind(stream);
  jdbase::KindRecord k;
  const jdbase::KindLookup found = jdbase::FindKindRecord(stream, kind.c_str(), k);
  std::fclose(stream);

  ASSERT_FALSE(status.Failed());
  ASSERT_EQ(status.ok(), found == jdbase::KindLookup::kFound);
  if (status.ok()) ExpectSameSlots(r, k);
}

struct FileCase {
  const char* what;
  Bytes file;
  std::vector<std::string> kinds;  // looked up in it
};

std::vector<FileCase> Files() {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  std::vector<FileCase> cases;
  cases.push_back({"no file content", {}, {"甲"}});
  cases.push_back({"kinds among others",
                   Join({Record("甲", 3), Record("乙", 8), Record("丙", 0)}),
                   {"甲", "乙", "丙", "丁", "甲 ", ""}});
  cases.push_back({"a kind stored twice", Join({Record("甲", 2), Record("甲", 5)}), {"甲"}});
  {
    Bytes partial = Record("乙", 1);
    partial.resize(kRecordSize - 1);
    cases.push_back({"a trailing partial record", Join({Record("甲", 2), partial}), {"甲", "乙"}});
  }
  {
    FileCase c{"counts beyond 0..8", {}, {}};
    for (int count : {-1, 9, INT_MAX, INT_MIN}) {
      Bytes r = Record("n" + std::to_string(count), 2);
      Poke<std::int32_t>(r, kOffsetLabelCount, count);
      c.file = Join({c.file, r});
      c.kinds.push_back("n" + std::to_string(count));
    }
    cases.push_back(c);
  }
  {
    Bytes r = Record("甲", 8);
    std::memset(r.data() + kOffsetText, 'x', kMaxLabelSlots * kNameFieldSize);
    Bytes name = Record("", 1);
    std::memset(name.data() + kOffsetSymbolName, 'n', kNameFieldSize);
    cases.push_back({"fields without a terminator",
                     Join({r, name}),
                     {"甲", std::string(49, 'n'), std::string(50, 'n')}});
  }
  {
    Bytes r = Record("甲", 8);
    const double odd[] = {nan, inf, -inf, -0.0, 5e-324, std::numeric_limits<double>::max()};
    for (int i = 0; i < 6; ++i) {
      Poke(r, kOffsetHeight + 8 * i, odd[i]);
      Poke(r, kOffsetWidth + 8 * i, odd[(i + 1) % 6]);
      Poke(r, kOffsetAngle + 8 * i, odd[(i + 2) % 6]);
    }
    cases.push_back({"sizes that are no finite number", r, {"甲"}});
  }
  {
    const std::string ascii48(48, 'k');
    cases.push_back({"names at the field's length",
                     Join({Record(std::string(49, 'k'), 1), Record(ascii48, 2)}),
                     {std::string(60, 'k'), std::string(49, 'k'), ascii48 + "测",
                      std::string(47, 'k') + "测", ascii48}});
  }
  {
    // Records of noise, looked up by the names they happen to carry.
    FileCase c{"noise", {}, {}};
    unsigned state = 12345;
    for (int n = 0; n < 4; ++n) {
      Bytes r(kRecordSize);
      for (unsigned char& byte : r) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<unsigned char>(state >> 16);
      }
      if (n % 2) r[5] = 0;  // a short name, found by it
      c.kinds.push_back(
          gbk::FromBuffer(reinterpret_cast<const char*>(r.data()), kNameFieldSize - 1));
      c.file = Join({c.file, r});
    }
    cases.push_back(c);
  }
  return cases;
}

TEST(KindRecordReaders, AgreeOnEveryFileOfTheTable) {
  for (const FileCase& c : Files()) {
    SCOPED_TRACE(c.what);
    for (const std::string& kind : c.kinds) ExpectSameReading(c.file, kind);
  }
}

TEST(KindRecordReaders, AgreeOnTheLayoutOfAKindWithoutRecord) {
  for (const char* kind : {"高压配电箱", "高压开关", "移动变电站", "矿用变压器", "馈电开关",
                           "启动器", "电动机", "照明", "信号", "电钻", "负荷", "短路点", "综保",
                           "一拖二开关", "一拖四开关", "一拖六开关", "无此种类", "电动机 ", ""}) {
    SCOPED_TRACE(kind);
    SymbolLabelConfig r;
    const int slots = MakeDefaultConfig(kind, r);
    jdbase::KindRecord k;
    ASSERT_EQ(slots > 0, jdbase::DefaultKindRecord(kind, k));
    if (slots > 0) ExpectSameSlots(r, k);
  }
}

}  // namespace
