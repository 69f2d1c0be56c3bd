// load --dry-run and diff list, kind by kind, exactly what an edit of a configuration changed (a
// seeded random walk of edits), and only read, under a shared lock.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "ConfigJson.h"
#include "StdioRecordFileSystem.h"
#include "VjdcfgTestKit.h"

using namespace vjd::annotation;
using namespace vjdcfg_test;
using vjdcfg::Dumped;
using vjdcfg::Json;
using vjdcfg::OneLine;

namespace {

const char* const kEditable[] = {"text",          "visible", "position",   "height",    "width",
                                 "angle_follows", "angle",   "fore_color", "back_color"};

// A slot with its fields in the order a dump shows them.
Json RandomSlot(std::mt19937& random) {
  const char* const texts[] = {u8"设备名称", "a", "", u8"额定电压 10kV", u8"乗\"引号\""};
  Json slot;
  slot["text"] = texts[random() % 5];
  slot["visible"] = random() % 2 == 0;
  slot["position"] = random() % kLabelPositionCount;
  slot["height"] = static_cast<double>(random() % 100) / 1000;
  slot["width"] = static_cast<double>(random() % 100) / 3000;
  slot["angle_follows"] = random() % 2 == 0;
  slot["angle"] = static_cast<double>(random() % 360) - 180.5;
  slot["fore_color"] = static_cast<std::int32_t>(random() % 3);
  slot["back_color"] = static_cast<std::int32_t>(random());
  slot["font"] = u8"宋体";
  return slot;
}

Json RandomKind(std::mt19937& random, const std::string& name) {
  Json kind;
  kind["kind"] = name;
  kind["count"] = random() % (kMaxLabelSlots + 1);
  kind["slots"] = Json::array();
  for (int i = 0; i < kind["count"]; ++i) kind["slots"].push_back(RandomSlot(random));
  return kind;
}

std::string Tally(std::size_t added, std::size_t changed, std::size_t unchanged) {
  return std::to_string(added) + " added, " + std::to_string(changed) + " changed, " +
         std::to_string(unchanged) + " unchanged";
}

// Each round edits each kind of a random configuration in one way (a field, the last slot
// dropped or one added, the kind left out of the JSON, or nothing) and adds kinds.
TEST(DryRunAndDiff, ListExactlyWhatARandomEditOfTheJsonChanged) {
  std::mt19937 random(20261231);
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    TempDir dir;
    const std::string file = dir.Path("a.cfg");
    Json base, edited;
    std::vector<std::string> listed, removed;  // the lines a dry run lists, those diff adds
    std::size_t kinds = 1 + random() % 6, added = random() % 3, changed = 0, out = 0;
    for (std::size_t k = 0; k < kinds + added; ++k) {
      Json kind = RandomKind(random, (k < kinds ? u8"类" : u8"新") + std::to_string(k));
      const std::string name = Dumped(kind["kind"]), count = Dumped(kind["count"]);
      const std::size_t n = kind["slots"].size();
      std::vector<std::string> lines;
      if (k >= kinds) {
        listed.push_back("added " + name + ", count " + count);
        edited["kinds"].push_back(kind);
        continue;
      }
      base["kinds"].push_back(kind);
      const std::string last = name + "[" + std::to_string(n - 1) + "]: ";
      const std::size_t i = n > 0 ? random() % n : 0;
      switch (random() % 6) {
        case 0:
        case 4:  // some fields of slot i
          for (const char* field : kEditable) {
            const Json value = RandomSlot(random)[field];
            if (n == 0 || random() % 3 != 0 || value == kind["slots"][i][field]) continue;
            lines.push_back(name + "[" + std::to_string(i) + "]." + field + ": " +
                            Dumped(kind["slots"][i][field]) + " -> " + Dumped(value));
            kind["slots"][i][field] = value;
          }
          break;
        case 1:
          if (n > 0) {
            lines = {name + ".count: " + count + " -> " + std::to_string(n - 1),
                     last + OneLine(kind["slots"][n - 1]) + " -> none"};
            kind["slots"].erase(n - 1);
            kind["count"] = n - 1;
          }
          break;
        case 2:
          if (n < kMaxLabelSlots) {
            kind["slots"].push_back(RandomSlot(random));
            kind["count"] = n + 1;
            lines = {name + ".count: " + count + " -> " + std::to_string(n + 1),
                     name + "[" + std::to_string(n) + "]: none -> " + OneLine(kind["slots"][n])};
          }
          break;
        case 3:
          removed.push_back("removed " + name + ", count " + count);
          ++out;
          continue;
      }
      edited["kinds"].push_back(kind);
      if (lines.empty()) continue;
      ++changed;
      listed.push_back("changed " + name);
      for (const std::string& line : lines) listed.push_back("  " + line);
    }
    ASSERT_EQ(RunTool({"load", file, "-"}, base.dump()).status, 0);
    const std::string json = edited.is_null() ? R"({"kinds": []})" : edited.dump();
    const std::string tally = Tally(added, changed, kinds - out - changed);

    ToolRun dry = RunTool({"load", "--dry-run", file, "-"}, json);
    EXPECT_EQ(dry.status, 0) << dry.err;
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(ListedLines(dry.out), listed) << dry.out;
    EXPECT_EQ(LastLine(dry.out), file + ": " + tally + "; a dry run: nothing was written\n");
    ToolRun diff = RunTool({"diff", file, "-"}, json);
    EXPECT_EQ(diff.status, listed.size() + removed.size() > 0 ? 1 : 0);
    listed.insert(listed.end(), removed.begin(), removed.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(ListedLines(diff.out), listed) << diff.out;
    EXPECT_EQ(LastLine(diff.out), tally + ", " + std::to_string(out) + " removed\n");
    WriteBytes(dir.Path("base.json"), base.dump());  // the same, JSON to JSON
    EXPECT_EQ(RunTool({"diff", dir.Path("base.json"), "-"}, json).out, diff.out);

    ASSERT_EQ(LoadForetold(file, json).status, 0);
    EXPECT_EQ(LastLine(RunTool({"diff", file, "-"}, json).out),
              Tally(0, 0, kinds - out + added) + ", " + std::to_string(out) + " removed\n");
  }
}

// A dry run and a diff only read: beside another program's shared lock they go on, beside an
// exclusive one they wait and give up.  A file that is not there yet is empty, and stays away.  A
// file's kinds are the records lookups find: the first of a name, none without a terminated name.
TEST(DryRunAndDiff, OnlyReadUnderASharedLockTheRecordsLookupsFind) {
  TempDir dir;
  const std::string file = dir.Path("a.cfg"), fresh = dir.Path("new.cfg");
  const SymbolLabelConfig first = GridRecord("甲", {{"a", "是", "", "", "是", "", "", "", 1}});
  const SymbolLabelConfig second = GridRecord("甲", {{"b", "是", "", "", "是", "", "", "", 1}});
  SymbolLabelConfig nameless;
  std::memset(&nameless, 'x', kRecordSize);
  WriteBytes(file, Bytes(first) + Bytes(second) + Bytes(nameless));
  const std::string json = R"({"kinds": [{"kind": "K", "count": 0, "slots": []}]})";
  StdioRecordFileSystem no_wait(0);
  for (RecordFileLock held : {RecordFileLock::kShared, RecordFileLock::kExclusive}) {
    std::unique_ptr<IRecordFile> holder = no_wait.OpenOrCreate(file.c_str());
    ASSERT_TRUE(holder && holder->Lock(held) == LockResult::kHeld);
    const int status = held == RecordFileLock::kShared ? 0 : 2;
    EXPECT_EQ(RunTool({"--wait", "0.05", "load", "--dry-run", file, "-"}, json).status, status);
    EXPECT_EQ(RunTool({"--wait", "0.05", "diff", file, file}).status, status);
  }
  EXPECT_EQ(RunTool({"load", "--dry-run", fresh, "-"}, json).out,
            "added \"K\", count 0\n" + fresh +
                ": 1 added, 0 changed, 0 unchanged (the file does not exist yet); a dry run: "
                "nothing was written\n");
  EXPECT_FALSE(FileExists(fresh));
  // A file the load could not create: its folder is missing, or is a file.
  for (const std::string& unmade : {dir.Path("missing/new.cfg"), file + "/new.cfg"}) {
    ToolRun run = RunTool({"load", "--dry-run", unmade, "-"}, json);
    EXPECT_EQ(run.status, 2) << unmade;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "vjdcfg: cannot write " + unmade +
                           ": the folder it would lie in does not exist; a load would write "
                           "nothing\n");
    EXPECT_EQ(RunTool({"load", unmade, "-"}, json).status, 2);
  }
  EXPECT_EQ(RunTool({"diff", file, "-"}, Bytes(first)).out,
            "0 added, 0 changed, 1 unchanged, 0 removed\n");
  EXPECT_EQ(RunTool({"diff", file, "-"}, Bytes(second)).out,
            u8"changed \"甲\"\n  \"甲\"[0].text: \"a\" -> \"b\"\n"
            "0 added, 1 changed, 0 unchanged, 0 removed\n");
}

}  // namespace
