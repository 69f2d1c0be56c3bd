// load --dry-run and diff list, kind by kind, exactly what an edit of a configuration changed (a
// seeded random walk of edits), and only read, under a shared lock.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <random>
#include <set>

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

std::string Count(const Json& kind) {
  return ", count " + Dumped(kind["count"]);
}

std::string LastLine(const std::string& out) {
  return out.substr(out.rfind('\n', out.size() - 2) + 1);
}

TEST(DryRunAndDiff, ListExactlyWhatARandomEditOfTheJsonChanged) {
  std::mt19937 random(20261231);
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    TempDir dir;
    const std::string file = dir.Path("a.cfg");
    Json base;
    const int kinds = 1 + static_cast<int>(random() % 6);
    for (int k = 0; k < kinds; ++k)
      base["kinds"].push_back(RandomKind(random, u8"类" + std::to_string(k)));
    ASSERT_EQ(RunTool({"load", file, "-"}, base.dump()).status, 0);
    WriteBytes(dir.Path("base.json"), base.dump());

    // Each kind: its field edits ("\"类1\"[0].text" -> old and new), its count and slot lines (one
    // slot dropped or added, at most), whether the edit takes it out of the JSON.
    Json edited = base;
    std::vector<std::map<std::string, std::pair<std::string, std::string>>> fields(kinds);
    std::vector<std::vector<std::string>> reshaped(kinds);
    std::vector<bool> taken_out(kinds, false);
    std::vector<std::string> added;
    for (int step = static_cast<int>(random() % 9); step > 0; --step) {
      const std::size_t k = random() % kinds;
      Json& kind = edited["kinds"][k];
      const std::string name = Dumped(kind["kind"]);
      const int was = base["kinds"][k]["count"], count = kind["count"];
      const std::string last = "[" + std::to_string(count - 1) + "]";
      switch (random() % 6) {
        case 0:
        case 1:
          if (std::min(was, count) > 0) {  // a field of a slot that both hold
            const std::size_t i = random() % std::min(was, count);
            const char* field = kEditable[random() % 9];
            Json& value = kind["slots"][i][field];
            auto change = fields[k].emplace(name + "[" + std::to_string(i) + "]." + field,
                                            std::make_pair(Dumped(value), std::string()));
            value = RandomSlot(random)[field];
            change.first->second.second = Dumped(value);
          }
          break;
        case 2:  // the last slot dropped
          if (reshaped[k].empty() && count > 0) {
            reshaped[k] = {
                name + ".count: " + std::to_string(count) + " -> " + std::to_string(count - 1),
                name + last + ": " + OneLine(base["kinds"][k]["slots"][count - 1]) + " -> none"};
            for (auto it = fields[k].begin(); it != fields[k].end();) {
              it = it->first.find(last) != std::string::npos ? fields[k].erase(it) : ++it;
            }
            kind["slots"].erase(count - 1);
            kind["count"] = count - 1;
          }
          break;
        case 3:  // a slot added
          if (reshaped[k].empty() && count < kMaxLabelSlots) {
            kind["slots"].push_back(RandomSlot(random));
            kind["count"] = count + 1;
            reshaped[k] = {
                name + ".count: " + std::to_string(count) + " -> " + std::to_string(count + 1),
                name + "[" + std::to_string(count) + "]: none -> " + OneLine(kind["slots"][count])};
          }
          break;
        case 4:
          taken_out[k] = true;
          break;
        case 5: {
          Json more = RandomKind(random, u8"新" + std::to_string(added.size()));
          added.push_back("added " + Dumped(more["kind"]) + Count(more));
          edited["kinds"].push_back(more);
        }
      }
    }
    std::vector<std::string> listed = added, removed;
    std::size_t changed = 0;
    for (int k = kinds - 1; k >= 0; --k) {
      const Json& kind = base["kinds"][k];
      if (taken_out[k]) {
        removed.push_back("removed " + Dumped(kind["kind"]) + Count(kind));
        edited["kinds"].erase(k);
        continue;
      }
      std::vector<std::string> lines = reshaped[k];
      for (const auto& f : fields[k]) {
        if (f.second.first != f.second.second) {
          lines.push_back(f.first + ": " + f.second.first + " -> " + f.second.second);
        }
      }
      if (lines.empty()) continue;
      ++changed;
      listed.push_back("changed " + Dumped(kind["kind"]));
      for (const std::string& line : lines) listed.push_back("  " + line);
    }
    const std::string json = edited.dump();
    const std::string unchanged = std::to_string(kinds - removed.size() - changed) + " unchanged";
    const std::string tally = std::to_string(added.size()) + " added, " + std::to_string(changed) +
                              " changed, " + unchanged;

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
    const std::string diff_tally = tally + ", " + std::to_string(removed.size()) + " removed\n";
    EXPECT_EQ(LastLine(diff.out), diff_tally);
    EXPECT_EQ(RunTool({"diff", dir.Path("base.json"), "-"}, json).out, diff.out);

    ASSERT_EQ(LoadForetold(file, json).status, 0);
    diff = RunTool({"diff", file, "-"}, json);
    std::sort(removed.begin(), removed.end());
    EXPECT_EQ(ListedLines(diff.out), removed);
    EXPECT_EQ(LastLine(diff.out),
              "0 added, 0 changed, " + std::to_string(kinds - removed.size() + added.size()) +
                  " unchanged, " + std::to_string(removed.size()) + " removed\n");
  }
}

// A dry run and a diff only read: beside another program's shared lock they go on, beside an
// exclusive one they wait and give up.  A file that is not there yet is empty, and stays away.
TEST(DryRunAndDiff, OnlyReadUnderASharedLock) {
  TempDir dir;
  const std::string file = dir.Path("a.cfg"), fresh = dir.Path("new.cfg");
  WindowStore(file, GridRecord("甲", {}));
  const std::string json = R"({"kinds": [{"kind": "K", "count": 0, "slots": []}]})";
  StdioRecordFileSystem no_wait(0);
  for (RecordFileLock held : {RecordFileLock::kShared, RecordFileLock::kExclusive}) {
    std::unique_ptr<IRecordFile> holder = no_wait.OpenOrCreate(file.c_str());
    ASSERT_TRUE(holder && holder->Lock(held) == LockResult::kHeld);
    const int status = held == RecordFileLock::kShared ? 0 : 2;
    EXPECT_EQ(RunTool({"--wait", "0.05", "load", "--dry-run", file, "-"}, json).status, status);
    EXPECT_EQ(RunTool({"--wait", "0.05", "diff", file, file}).status, status);
  }
  ToolRun dry = RunTool({"load", "--dry-run", fresh, "-"}, json);
  EXPECT_EQ(dry.status, 0) << dry.err;
  EXPECT_EQ(dry.out, "added \"K\", count 0\n" + fresh +
                         ": 1 added, 0 changed, 0 unchanged (the file does not exist yet); a dry "
                         "run: nothing was written\n");
  EXPECT_FALSE(Exists(fresh));
  EXPECT_EQ(RunTool({"diff", "-", "-"}, json).status, 1);
}

// A file's kinds are the records lookups find: the first of a name; a name without terminator is
// none.
TEST(DryRunAndDiff, CompareTheRecordsLookupsFind) {
  TempDir dir;
  const SymbolLabelConfig first = GridRecord("甲", {{"a", "是", "", "", "是", "", "", "", 1}});
  const SymbolLabelConfig second = GridRecord("甲", {{"b", "是", "", "", "是", "", "", "", 1}});
  SymbolLabelConfig nameless = first;
  std::memset(nameless.szSymbolName, 'x', kNameFieldSize);
  WriteBytes(dir.Path("a.cfg"), Bytes(first) + Bytes(second) + Bytes(nameless));
  WriteBytes(dir.Path("first.cfg"), Bytes(first));
  WriteBytes(dir.Path("second.cfg"), Bytes(second));
  ToolRun same = RunTool({"diff", dir.Path("a.cfg"), dir.Path("first.cfg")});
  EXPECT_EQ(same.status, 0);
  EXPECT_EQ(same.out, "0 added, 0 changed, 1 unchanged, 0 removed\n");
  ToolRun other = RunTool({"diff", dir.Path("a.cfg"), dir.Path("second.cfg")});
  EXPECT_EQ(other.out,
            u8"changed \"甲\"\n  \"甲\"[0].text: \"a\" -> \"b\"\n"
            "0 added, 1 changed, 0 unchanged, 0 removed\n");
}

}  // namespace
