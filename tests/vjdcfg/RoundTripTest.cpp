// dump -> load reproduces files the configuration window wrote, byte for byte; load stores as the
// window stores (in place, appended, over a trailing partial record); list and dump --kind.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

#include "VjdcfgTestKit.h"

using namespace vjd::annotation;
using namespace vjdcfg_test;
using testing::HasSubstr;
using testing::Not;

namespace {

// Three kinds as the window stores them, one of them stored twice (rewritten in place): Chinese
// texts, a text cut to its field, a GBK character whose second byte is a backslash, every column
// typed in its odd forms (empty, "0", "0.0", negative colours), all eight slots of one kind.
void WriteWindowFile(const std::string& path) {
  WindowStore(path,
              GridRecord("高压开关", {{"设备名称", "是", "0.003", "0.0015", "是", "0", "0", "0", 8},
                                      {"额定电压", "否", "", "0", "否", "30", "255", "-1", 7}}));
  WindowStore(
      path, GridRecord("电动机",
                       {{"电动机功率电动机功率电动机功率电动机功率电动机功率电动机功率", "是",
                         "0.0", "1e-3", "是", "-12.5", "16777215", "-2147483648", 21},
                        {"乗\"引号\" \\ 反斜杠", "否", "0.1", "0.30000000000000004", "否",
                         "359.99999999999994", "2147483647", "123", 22},
                        {"", "是", "7", "3.5", "是", "", "", "", 23},
                        {"d", "是", "0.003", "0.0015", "是", "0", "0", "0", 24},
                        {"e", "是", "0.003", "0.0015", "是", "0", "0", "0", 0},
                        {"f", "否", "2.5e-308", "1.7976931348623157e308", "否", "-0", "0", "0", 12},
                        {"g", "是", "0.003", "0.0015", "是", "90", "65280", "0", 3},
                        {"h", "是", "0.003", "0.0015", "是", "0", "0", "0", 20}}));
  WindowStore(path,
              GridRecord("一拖二开关", {{"a", "是", "0.003", "0.0015", "是", "0", "0", "0", 8},
                                        {"b", "是", "0.003", "0.0015", "是", "0", "0", "0", 7}}));
  WindowStore(
      path, GridRecord("高压开关", {{"开关编号", "是", "0.004", "0.002", "否", "45", "0", "0", 16},
                                    {"额定电压", "否", "", "0", "否", "30", "255", "-1", 7},
                                    {"c", "是", "0.003", "0.0015", "是", "0", "0", "0", 1}}));
}

class RoundTrip : public ::testing::Test {
 protected:
  TempDir dir;
  const std::string file = dir.Path("a.cfg");
};

TEST_F(RoundTrip, DumpThenLoadIntoAnEmptyFileGivesTheWindowsFileByteForByte) {
  const std::string original = dir.Path(u8"机电配置.cfg");
  WriteWindowFile(original);
  ASSERT_EQ(ReadBytes(original).size(), 3 * kRecordSize);

  ToolRun dump = RunTool({"dump", original});
  ASSERT_EQ(dump.status, 0) << dump.err;
  EXPECT_EQ(dump.err, "");
  WriteBytes(dir.Path("dump.json"), dump.out);

  // Into a file that does not exist yet, and into an existing empty one.
  ToolRun load = RunTool({"load", dir.Path("copy.cfg"), dir.Path("dump.json")});
  ASSERT_EQ(load.status, 0) << load.err;
  EXPECT_EQ(ReadBytes(dir.Path("copy.cfg")), ReadBytes(original));
  WriteBytes(dir.Path("empty.cfg"), "");
  ASSERT_EQ(LoadForetold(dir.Path("empty.cfg"), dump.out).status, 0);
  EXPECT_EQ(ReadBytes(dir.Path("empty.cfg")), ReadBytes(original));
  // Nothing else is left in the folder.
  EXPECT_EQ(dir.Names(),
            (std::vector<std::string>{"copy.cfg", "dump.json", "empty.cfg", u8"机电配置.cfg"}));
}

TEST_F(RoundTrip, DumpShowsEveryFieldOfTheSlotsInUseInUtf8) {
  WindowStore(file,
              GridRecord("高压开关", {{"设备名称", "否", "", "0", "否", "30", "255", "-1", 7}}));
  ToolRun dump = RunTool({"dump", file});
  ASSERT_EQ(dump.status, 0);
  EXPECT_EQ(dump.out, std::string(u8R"({
  "kinds": [
    {
      "kind": "高压开关",
      "count": 1,
      "slots": [
        {"text": "设备名称", "visible": false, "position": 7, "height": 0.003, "width": 0.0015, "angle_follows": false, "angle": 30.0, "fore_color": 255, "back_color": -1, "font": "宋体"}
      ]
    }
  ]
}
)"));
}

// Every finite double, typed into the grid as its shortest decimal, comes back bit for bit.
TEST_F(RoundTrip, SizesAndAnglesComeBackBitForBit) {
  std::mt19937_64 random(20261208);
  std::vector<double> values = {0.1,        1.0 / 3,
                                -0.0,       DBL_MIN,
                                DBL_MAX,    -DBL_MAX,
                                4.9e-324,   2.2250738585072009e-308,
                                1e23,       9007199254740993.0,
                                5e-324 * 3, 0.30000000000000004};
  while (values.size() < 8 * 3 * 40) {
    std::uint64_t bits = random();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    if (std::isfinite(v)) values.push_back(v);
  }
  std::size_t next = 0;
  for (int k = 0; k < 40; ++k) {
    SymbolLabelConfig r;
    InitRecord(r);
    SetSymbolName(r, ("kind" + std::to_string(k)).c_str());
    r.nLabelCount = 8;
    for (int i = 0; i < 8; ++i) {
      r.dHeight[i] = values[next++];
      r.dWidth[i] = values[next++];
      r.dAngle[i] = values[next++];
      r.clrFore[i] = static_cast<std::int32_t>(random());
      r.clrBack[i] = static_cast<std::int32_t>(random());
      r.bVisible[i] = i % 2;
      r.nPosition[i] = (k + i) % 25;
    }
    WindowStore(file, r);
  }
  ToolRun dump = RunTool({"dump", file});
  ASSERT_EQ(dump.status, 0) << dump.err;
  ASSERT_EQ(LoadForetold(dir.Path("copy.cfg"), dump.out).status, 0);
  EXPECT_TRUE(ReadBytes(dir.Path("copy.cfg")) == ReadBytes(file));
}

TEST_F(RoundTrip, LoadRewritesKindsInPlaceAndAppendsNewOnesAsTheWindowDoes) {
  const std::string expected = dir.Path("expected.cfg");
  const SymbolLabelConfig a = GridRecord("甲", {{"a", "是", "", "", "是", "", "", "", 1}});
  const SymbolLabelConfig b = GridRecord("乙", {{"b", "是", "", "", "是", "", "", "", 2}});
  const SymbolLabelConfig b2 =
      GridRecord("乙", {{"新", "否", "0.5", "0.25", "否", "9", "1", "2", 3},
                        {"二", "是", "", "", "是", "", "", "", 4}});
  const SymbolLabelConfig c = GridRecord("丙", {});
  const SymbolLabelConfig d = GridRecord("丁", {{"d", "是", "", "", "是", "", "", "", 5}});
  for (const std::string& path : {file, expected}) {
    WindowStore(path, a);
    WindowStore(path, b);
  }
  for (const SymbolLabelConfig& r : {d, b2, c}) WindowStore(expected, r);

  // The JSON of d, b2, c: taken from a file that holds just them.
  const std::string source = dir.Path("source.cfg");
  for (const SymbolLabelConfig& r : {d, b2, c}) WindowStore(source, r);
  ToolRun dump = RunTool({"dump", source});
  ASSERT_EQ(dump.status, 0);
  ToolRun load = LoadForetold(file, dump.out);
  ASSERT_EQ(load.status, 0) << load.err;
  EXPECT_EQ(load.out, file + ": stored 3 kind(s), 1 in place, 2 appended\n");
  EXPECT_EQ(ReadBytes(file), ReadBytes(expected));
}

TEST_F(RoundTrip, ANewKindGoesOverATrailingPartialRecordAsTheWindowStoresIt) {
  const SymbolLabelConfig a = GridRecord("甲", {{"a", "是", "", "", "是", "", "", "", 1}});
  const SymbolLabelConfig b = GridRecord("乙", {{"b", "否", "", "", "是", "", "", "", 2}});
  const std::string partial = Bytes(a) + std::string(500, '\x5A');
  WriteBytes(dir.Path("tool.cfg"), partial);
  WriteBytes(dir.Path("window.cfg"), partial);
  WindowStore(dir.Path("window.cfg"), b);
  WriteBytes(dir.Path("b.cfg"), Bytes(b));
  ToolRun dump = RunTool({"dump", dir.Path("b.cfg")});
  ASSERT_EQ(LoadForetold(dir.Path("tool.cfg"), dump.out).status, 0);
  EXPECT_EQ(ReadBytes(dir.Path("tool.cfg")).size(), 2 * kRecordSize);
  EXPECT_EQ(ReadBytes(dir.Path("tool.cfg")), ReadBytes(dir.Path("window.cfg")));
}

// RemoveLabelSlot leaves the last slot's old values beyond the new count: meaningless data, not
// dumped; what load writes is what the window writes when it next stores the grid.
TEST_F(RoundTrip, SlotsBeyondTheCountAreNotCarriedOver) {
  WindowStore(file, GridRecord("甲", {{"a", "是", "", "", "是", "", "", "", 1},
                                      {"b", "否", "0.5", "", "是", "", "7", "", 2},
                                      {"c", "是", "", "", "否", "15", "", "8", 3}}));
  WindowRemoveSlot(file, "甲", 0);
  ToolRun dump = RunTool({"dump", file});
  ASSERT_EQ(dump.status, 0);
  EXPECT_THAT(dump.out, Not(HasSubstr("\"a\"")));
  EXPECT_THAT(dump.out, HasSubstr("\"count\": 2"));
  ASSERT_EQ(LoadForetold(dir.Path("copy.cfg"), dump.out).status, 0);
  WindowStore(dir.Path("resaved.cfg"),
              GridRecord("甲", {{"b", "否", "0.5", "", "是", "", "7", "", 2},
                                {"c", "是", "", "", "否", "15", "", "8", 3}}));
  EXPECT_EQ(ReadBytes(dir.Path("copy.cfg")), ReadBytes(dir.Path("resaved.cfg")));
  EXPECT_NE(ReadBytes(dir.Path("copy.cfg")), ReadBytes(file));  // slot 2 was stale there
}

TEST_F(RoundTrip, ListShowsIndexKindCountAndTextsOfEachRecord) {
  WindowStore(file, GridRecord("甲", {{"设备", "是", "", "", "是", "", "", "", 1},
                                      {"", "是", "", "", "是", "", "", "", 1},
                                      {"say \"hi\"", "是", "", "", "是", "", "", "", 1}}));
  WindowStore(file, GridRecord("乙", {}));
  ToolRun list = RunTool({"list", file});
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.out,
            std::string(u8"0\t\"甲\"\t3\t\"设备\" \"\" \"say \\\"hi\\\"\"\n1\t\"乙\"\t0\n"));
}

TEST_F(RoundTrip, DumpOfNamedKindsKeepsFileOrderAndRefusesAnUnknownKind) {
  for (const char* kind : {"甲", "乙", "丙"}) WindowStore(file, GridRecord(kind, {}));
  ToolRun dump = RunTool({"dump", "--kind", u8"丙", file, "--kind", u8"甲"});
  ASSERT_EQ(dump.status, 0) << dump.err;
  std::size_t first = dump.out.find(u8"\"甲\""), third = dump.out.find(u8"\"丙\"");
  EXPECT_NE(first, std::string::npos);
  EXPECT_LT(first, third);
  EXPECT_EQ(dump.out.find(u8"\"乙\""), std::string::npos);

  ToolRun missing = RunTool({"dump", file, "--kind", u8"甲", "--kind", u8"戊"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_THAT(missing.err, HasSubstr(u8"no record of the kind \"戊\""));
}

}  // namespace
