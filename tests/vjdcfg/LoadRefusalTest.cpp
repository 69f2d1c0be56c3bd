// load checks the whole JSON first: each kind of fault is refused with a message that names the
// kind, the slot and the field, a non-zero exit, and the file left byte for byte as it was.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "ConfigJson.h"
#include "GbkConverter.h"
#include "VjdcfgTestKit.h"

using namespace vjd::annotation;
using namespace vjdcfg_test;
using testing::HasSubstr;
using vjdcfg::Json;

namespace {

Json Slot(const std::string& text) {
  Json slot = Json::parse(
      u8R"({"text": "", "visible": true, "position": 8, "height": 0.003,
      "width": 0.0015, "angle_follows": true, "angle": 0.0, "fore_color": 0, "back_color": 0,
      "font": "宋体"})");
  slot["text"] = text;
  return slot;
}

// Two good kinds; the cases below spoil the second, "电动机", or the document.
Json GoodDocument() {
  Json doc;
  doc["kinds"] = Json::array();
  doc["kinds"].push_back(Json{{"kind", u8"高压开关"}, {"count", 1}, {"slots", {Slot("a")}}});
  doc["kinds"].push_back(
      Json{{"kind", u8"电动机"}, {"count", 2}, {"slots", {Slot(u8"设备"), Slot("b")}}});
  return doc;
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

struct Case {
  const char* what;
  std::function<void(Json&)> spoil;
  std::string message;  // part of what load says
};

Json& Motor(Json& doc) {
  return doc["kinds"][1];
}
Json& MotorSlot1(Json& doc) {
  return doc["kinds"][1]["slots"][1];
}

const std::string kMotor = u8"kinds[1] \"电动机\", ";
const std::string kSlot1 = kMotor + "slot 1, ";

std::vector<Case> Cases() {
  std::vector<Case> cases = {
      {"document not an object", [](Json& d) { d = Json::array(); }, "must be an object"},
      {"no kinds", [](Json& d) { d.erase("kinds"); }, "field \"kinds\": missing"},
      {"kinds not an array", [](Json& d) { d["kinds"] = Json::object(); },
       "field \"kinds\": must be an array"},
      {"unknown top-level field", [](Json& d) { d["version"] = 1; }, "unknown field \"version\""},
      {"kind not an object", [](Json& d) { d["kinds"].push_back(3); }, "kinds[2]: must be"},
      {"kind name missing", [](Json& d) { Motor(d).erase("kind"); },
       "kinds[1], field \"kind\": missing"},
      {"kind name not a string", [](Json& d) { Motor(d)["kind"] = 7; },
       "kinds[1], field \"kind\": must be a string"},
      {"kind name too long", [](Json& d) { Motor(d)["kind"] = Repeat(u8"电", 25); },
       "field \"kind\": is 50 bytes in GBK; at most 49 fit"},
      {"kind name outside GBK", [](Json& d) { Motor(d)["kind"] = u8"电\U0001F600"; },
       "field \"kind\": cannot be written in GBK"},
      {"kind name in the private use area", [](Json& d) { Motor(d)["kind"] = u8"\uE000"; },
       "field \"kind\": cannot be written in GBK"},
      {"kind name with a zero", [](Json& d) { Motor(d)["kind"] = std::string("a\0b", 3); },
       "field \"kind\": contains a zero character"},
      {"kind name empty", [](Json& d) { Motor(d)["kind"] = ""; },
       "kinds[1] \"\", field \"kind\": is empty"},
      {"kind name with a line break", [](Json& d) { Motor(d)["kind"] = "a\nb"; },
       "field \"kind\": contains the control character U+000A"},
      {"text with a tab", [](Json& d) { MotorSlot1(d)["text"] = "a\tb"; },
       kSlot1 + "field \"text\": contains the control character U+0009"},
      {"text with DEL", [](Json& d) { MotorSlot1(d)["text"] = "\x7F"; },
       kSlot1 + "field \"text\": contains the control character U+007F"},
      {"kind given twice", [](Json& d) { Motor(d)["kind"] = u8"高压开关"; },
       u8"kinds[1] \"高压开关\", field \"kind\": the kind is given twice (also kinds[0])"},
      {"unknown kind field", [](Json& d) { Motor(d)["colour"] = 1; },
       kMotor + "unknown field \"colour\""},
      {"count missing", [](Json& d) { Motor(d).erase("count"); },
       kMotor + "field \"count\": missing"},
      {"count above 8", [](Json& d) { Motor(d)["count"] = 9; },
       kMotor + "field \"count\": 9 is outside 0..8"},
      {"count below 0", [](Json& d) { Motor(d)["count"] = -1; },
       kMotor + "field \"count\": -1 is outside 0..8"},
      {"count not whole", [](Json& d) { Motor(d)["count"] = 2.0; },
       kMotor + "field \"count\": must be a whole number"},
      {"count not the slots given", [](Json& d) { Motor(d)["count"] = 3; },
       kMotor + "field \"count\": 3, but 2 slot(s) are given"},
      {"slots missing", [](Json& d) { Motor(d).erase("slots"); },
       kMotor + "field \"slots\": missing"},
      {"slots not an array", [](Json& d) { Motor(d)["slots"] = "a"; },
       kMotor + "field \"slots\": must be an array"},
      {"nine slots",
       [](Json& d) {
         Motor(d)["slots"] = Json::array();
         for (int i = 0; i < 9; ++i) Motor(d)["slots"].push_back(Slot("x"));
       },
       kMotor + "field \"slots\": 9 slots given; a kind has at most 8"},
      {"slot not an object", [](Json& d) { MotorSlot1(d) = "b"; }, kSlot1 + "must be an object"},
      {"unknown slot field", [](Json& d) { MotorSlot1(d)["size"] = 1; },
       kSlot1 + "unknown field \"size\""},
      {"text too long", [](Json& d) { MotorSlot1(d)["text"] = Repeat("a", 50); },
       kSlot1 + "field \"text\": is 50 bytes in GBK; at most 49 fit"},
      {"Chinese text too long", [](Json& d) { MotorSlot1(d)["text"] = Repeat(u8"设", 25); },
       kSlot1 + "field \"text\": is 50 bytes in GBK"},
      {"text outside GBK", [](Json& d) { MotorSlot1(d)["text"] = u8"한국"; },
       kSlot1 + "field \"text\": cannot be written in GBK"},
      {"text not a string", [](Json& d) { MotorSlot1(d)["text"] = Json(); },
       kSlot1 + "field \"text\": must be a string"},
      {"visible a number", [](Json& d) { MotorSlot1(d)["visible"] = 1; },
       kSlot1 + "field \"visible\": must be true or false"},
      {"angle follows a text", [](Json& d) { MotorSlot1(d)["angle_follows"] = u8"是"; },
       kSlot1 + "field \"angle_follows\": must be true or false"},
      {"position above 24", [](Json& d) { MotorSlot1(d)["position"] = 25; },
       kSlot1 + "field \"position\": 25 is outside 0..24"},
      {"position below 0", [](Json& d) { MotorSlot1(d)["position"] = -1; },
       kSlot1 + "field \"position\": -1 is outside 0..24"},
      {"position not whole", [](Json& d) { MotorSlot1(d)["position"] = 8.5; },
       kSlot1 + "field \"position\": must be a whole number"},
      {"height a text", [](Json& d) { MotorSlot1(d)["height"] = "0.1"; },
       kSlot1 + "field \"height\": must be a number"},
      {"width null", [](Json& d) { MotorSlot1(d)["width"] = Json(); },
       kSlot1 + "field \"width\": must be a number"},
      {"angle not a number (as dump shows one)", [](Json& d) { MotorSlot1(d)["angle"] = "NaN"; },
       kSlot1 + "field \"angle\": must be a number"},
      {"colour above 32 bits", [](Json& d) { MotorSlot1(d)["fore_color"] = 2147483648u; },
       kSlot1 + "field \"fore_color\": 2147483648 is outside -2147483648..2147483647"},
      {"colour below 32 bits", [](Json& d) { MotorSlot1(d)["back_color"] = -2147483649LL; },
       kSlot1 + "field \"back_color\": -2147483649 is outside"},
      {"colour not whole", [](Json& d) { MotorSlot1(d)["back_color"] = 1.5; },
       kSlot1 + "field \"back_color\": must be a whole number"},
      {"another font", [](Json& d) { MotorSlot1(d)["font"] = "Arial"; },
       kSlot1 + u8"field \"font\": every record is stored with \"宋体\""},
  };
  for (const char* field : {"text", "visible", "position", "height", "width", "angle_follows",
                            "angle", "fore_color", "back_color"}) {
    cases.push_back({field, [field](Json& d) { MotorSlot1(d).erase(field); },
                     kSlot1 + "field \"" + field + "\": missing"});
  }
  return cases;
}

class LoadRefusal : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = dir_.Path("a.cfg");
    WindowStore(file_, GridRecord("电动机", {{"旧", "是", "", "", "是", "", "", "", 3}}));
    WindowStore(file_, GridRecord("甲", {}));
    before_ = ReadBytes(file_);
    names_ = dir_.Names();
  }

  // Loads `text`, dry-runs that load and compares the file with it: each must be refused with
  // `message` and change nothing in the folder.  (An empty text is an empty file to diff.)
  void ExpectRefused(const std::string& text, const std::string& message) {
    std::vector<std::vector<std::string>> runs = {{"load", file_, "-"},
                                                  {"load", "--dry-run", file_, "-"}};
    if (!text.empty()) runs.push_back({"diff", file_, "-"});
    for (std::vector<std::string>& args : runs) {
      SCOPED_TRACE(args[1]);
      ToolRun run = RunTool(args, text);
      EXPECT_EQ(run.status, 1);
      EXPECT_THAT(run.err, HasSubstr(message));
      EXPECT_EQ(run.out, "");
      EXPECT_TRUE(ReadBytes(file_) == before_);
      EXPECT_EQ(dir_.Names(), names_);
      if (args[0] == "load") {
        EXPECT_THAT(run.err, HasSubstr("nothing was written to " + file_));
        // A file that is not there is not created either.
        args.end()[-2] = dir_.Path("new.cfg");
        EXPECT_EQ(RunTool(args, text).status, 1);
        EXPECT_FALSE(FileExists(dir_.Path("new.cfg")));
      }
    }
  }

  TempDir dir_;
  std::string file_;
  std::string before_;
  std::vector<std::string> names_;
};

TEST_F(LoadRefusal, TheGoodDocumentIsStored) {
  ToolRun run = LoadForetold(file_, GoodDocument().dump());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBytes(file_).size(), 3 * kRecordSize);
}

TEST_F(LoadRefusal, EveryFaultOfTheDocumentIsRefusedAndNothingIsWritten) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.what);
    Json doc = GoodDocument();
    c.spoil(doc);
    ExpectRefused(doc.dump(), c.message);
  }
}

TEST_F(LoadRefusal, TextThatIsNoJsonIsRefused) {
  ExpectRefused(u8R"({"kinds": [)", "parse error");
  ExpectRefused(R"({"kinds": [{"kind": "a", "count": 1, "slots": [{"height": 1e999}]}]})",
                "number overflow");
  ExpectRefused("{\"kinds\": [{\"kind\": \"\xC4\xE3\"}]}", "parse error");  // GBK, not UTF-8
  ExpectRefused("", "parse error");
}

// A document saved in another encoding than UTF-8 (Notepad's "Unicode", or ANSI on a Chinese
// Windows) is refused in plain words; its zero bytes never make diff read it as records.
TEST_F(LoadRefusal, ADocumentThatIsNoUtf8IsSaidToBeSo) {
  std::string gbk, le = "\xFF\xFE", be = "\xFE\xFF";
  ASSERT_TRUE(vjdcfg::Utf8ToGbk(GoodDocument().dump(), gbk));
  for (char c : std::string(R"({"kinds": []})")) {
    le += std::string{c, '\0'};
    be += std::string{'\0', c};
  }
  const char* const wide = "UTF-16 or UTF-32 text (\"Unicode\"), not UTF-8; save it as UTF-8";
  ExpectRefused(le, wide);
  ExpectRefused(be, wide);
  ExpectRefused(gbk, "no UTF-8 text (one saved as ANSI or GBK, say); save it as UTF-8");
}

// A key given twice would let the last one win unseen: {"kinds": [...], "kinds": []} stored
// nothing.  Refused wherever it is, with where it is.
TEST_F(LoadRefusal, AKeyGivenTwiceIsRefusedWithWhereItIs) {
  const std::string good = GoodDocument().dump();
  struct TextCase {
    const char* what;
    std::string text;
    std::string message;
  };
  std::string many;  // more keys than a search of each object's keys takes
  for (int i = 0; i < 40; ++i) many += "\"k" + std::to_string(i) + "\":" + std::to_string(i) + ",";
  auto replaced = [&good](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  const TextCase cases[] = {
      {"kinds twice", good.substr(0, good.size() - 1) + ",\"kinds\":[]}",
       "the document: the key \"kinds\" is given twice"},
      {"kind twice", replaced(u8"\"kind\":\"电动机\"", u8"\"kind\":\"X\",\"kind\":\"电动机\""),
       "kinds[1]: the key \"kind\" is given twice"},
      {"text twice in a slot", replaced("\"text\":\"b\"", "\"text\":\"b\",\"text\":\"c\""),
       "kinds[1].slots[1]: the key \"text\" is given twice"},
      {"text twice among many keys",
       replaced("\"text\":\"b\"", "\"text\":\"b\"," + many + "\"text\":0"),
       "kinds[1].slots[1]: the key \"text\" is given twice"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectRefused(c.text, c.message);
  }
}

// Messages quote at most what fits a record's name, and stop after a hundred.
TEST_F(LoadRefusal, MessagesStayShortWhateverTheDocument) {
  Json doc = GoodDocument();
  Motor(doc)["kind"] = std::string(200000, 'n');
  for (int i = 0; i < 10000; ++i) Motor(doc)["unknown" + std::to_string(i)] = i;
  ToolRun run = RunTool({"load", file_, "-"}, doc.dump());
  EXPECT_EQ(run.status, 1);
  EXPECT_LT(run.err.size(), 30000u);
  EXPECT_THAT(run.err.substr(0, 500), HasSubstr("kinds[1] \"" + std::string(49, 'n') +
                                                "\"..., unknown field \"unknown0\""));
  EXPECT_THAT(run.err, HasSubstr("and 9901 more fault(s)"));
  EXPECT_TRUE(ReadBytes(file_) == before_);
}

// jq writes -0.0 as -0, an integer: still a negative zero.
TEST_F(LoadRefusal, MinusZeroWrittenAsAnIntegerIsANegativeZero) {
  Json doc = GoodDocument();
  const std::string text = doc.dump();
  const std::string from = "\"angle\":0.0";
  std::string minus = text;
  minus.replace(minus.find(from), from.size(), "\"angle\":-0");
  ToolRun run = RunTool({"load", file_, "-"}, minus);
  ASSERT_EQ(run.status, 0) << run.err;
  ToolRun dump = RunTool({"dump", file_, "--kind", u8"高压开关"});
  EXPECT_THAT(dump.out, HasSubstr("\"angle\": -0.0"));
}

TEST_F(LoadRefusal, AllFaultsAreListedAtOnce) {
  Json doc = GoodDocument();
  MotorSlot1(doc)["position"] = 30;
  doc["kinds"][0]["slots"][0]["width"] = "x";
  ToolRun run = RunTool({"load", file_, "-"}, doc.dump());
  EXPECT_THAT(run.err, HasSubstr(kSlot1 + "field \"position\""));
  EXPECT_THAT(run.err, HasSubstr(u8"kinds[0] \"高压开关\", slot 0, field \"width\""));
}

TEST_F(LoadRefusal, FieldsAtTheirLimitsAreAccepted) {
  Json doc = GoodDocument();
  Motor(doc)["kind"] = Repeat(u8"电", 24) + "x";  // 49 bytes
  MotorSlot1(doc)["text"] = Repeat("t", 49);
  MotorSlot1(doc)["position"] = 24;
  MotorSlot1(doc)["height"] = 1;  // a whole number is a number too
  MotorSlot1(doc)["fore_color"] = -2147483648LL;
  MotorSlot1(doc)["back_color"] = 2147483647;
  MotorSlot1(doc).erase("font");  // the font may be left out
  doc["kinds"].push_back(Json{{"kind", "~"}, {"count", 0}, {"slots", Json::array()}});
  ToolRun run = LoadForetold(file_, doc.dump());
  EXPECT_EQ(run.status, 0) << run.err;
  ToolRun dump = RunTool({"dump", file_, "--kind", Repeat(u8"电", 24) + "x"});
  ASSERT_EQ(dump.status, 0) << dump.err;
  EXPECT_THAT(dump.out, HasSubstr("\"text\": \"" + Repeat("t", 49) + "\""));
  EXPECT_THAT(dump.out, HasSubstr("\"position\": 24, \"height\": 1.0"));
  EXPECT_THAT(dump.out, HasSubstr("\"fore_color\": -2147483648, \"back_color\": 2147483647"));
}

TEST_F(LoadRefusal, AnEmptyListOfKindsLeavesTheFileAlone) {
  ToolRun run = LoadForetold(file_, R"({"kinds": []})");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(ReadBytes(file_) == before_);
  EXPECT_EQ(dir_.Names(), names_);
}

TEST_F(LoadRefusal, AJsonFileThatCannotBeReadIsAFileError) {
  ToolRun run = RunTool({"load", file_, dir_.Path("missing.json")});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("cannot read"));
  EXPECT_TRUE(ReadBytes(file_) == before_);
}

TEST_F(LoadRefusal, AFileInAFolderThatDoesNotExistIsNotCreated) {
  ToolRun run = RunTool({"load", dir_.Path("no-such-folder/a.cfg"), "-"}, GoodDocument().dump());
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("cannot write " + dir_.Path("no-such-folder/a.cfg")));
  EXPECT_EQ(dir_.Names(), names_);
}

}  // namespace
