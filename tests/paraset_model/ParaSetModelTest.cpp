// What the configuration window decides, over fakes: which record is stored when and under which
// name, what the grid rows and the preview labels show, what reaches the file at once, the
// modal choices of a click, and what the command is told.
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include <gtest/gtest.h>

#include "CommandMessages.h"
#include "GbkText.h"
#include "ModelRig.h"
#include "UniqueTempDir.h"

namespace paraset_test {
namespace {

using namespace vjd::annotation;
using Strings = std::vector<std::string>;
using Messages = std::vector<std::array<int, 3>>;
constexpr std::array<int, 3> kLeaves = {vjd::command::kFromWindow, 0, vjd::command::kWindowLeaves};

class ModelTest : public ::testing::Test, protected ModelRig {
 protected:
  void TearDown() override {
    EXPECT_EQ(grid.misuses, Strings{});
    EXPECT_EQ(misuses, Strings{});
  }
};

// ---- The catalogue and the symbol lists ------------------------------------------------------

TEST_F(ModelTest, TheCatalogueGivesTheCategoriesAndTheirSymbols) {
  const std::filesystem::path dir = MakeUniqueTempDir("vjd-catalogue-");
  std::filesystem::create_directories(dir / "unreadable");
  const struct {
    const char* text;  // the file's text; nullptr: no file; "": a folder in its place
    Strings messages, categories;
    std::map<std::string, Strings> symbols;
  } kCases[] = {
      {"供电辅助制图 符号分类\n负载\ndot 0\ndot 4\n开关\ndot 3\n故障\ndot 1\n",
       {},
       {"负载", "开关", "故障", "其它"},
       {{"负载", {"电动机", "照明"}}, {"其它", {"方块"}}}},
      {nullptr,
       {"此符号库没有分类"},
       {"全部符号"},
       {{"全部符号", {"电动机", "短路点", "方块", "馈电开关", "照明"}}}},
      {"", {ParaSetModel::kCatalogueUnreadable}, {"全部符号"}, {}},
      {"t\n远\ndot 77\ndot 2\n", {}, {"远", "其它"}, {{"远", {"", "方块"}}}},  // beyond the library
  };
  for (size_t k = 0; k < std::size(kCases); ++k) {
    SCOPED_TRACE(k);
    std::filesystem::path path = dir / ("catalogue" + std::to_string(k));
    if (kCases[k].text && *kCases[k].text) {
      std::ofstream(path, std::ios::binary) << kCases[k].text;
    } else if (kCases[k].text) {
      path = dir / "unreadable";
    }
    sink.messages.clear();
    EXPECT_EQ(model->ReadCatalog(path.string()), kCases[k].categories);
    EXPECT_EQ(sink.messages, kCases[k].messages);
    for (const auto& [category, names] : kCases[k].symbols) {
      Strings listed;
      for (const SymbolListItem& item : model->SymbolsOf(category)) listed.push_back(item.strName);
      EXPECT_EQ(listed, names) << category;
    }
  }
  std::filesystem::remove_all(dir);
}

// ---- Symbols, storing and loading ------------------------------------------------------------

TEST_F(ModelTest, TheFirstSymbolShowsItsDefaultAndNothingIsStored) {
  Choose("电动机");
  ASSERT_EQ(Rows(), 3);  // the built-in default of "电动机"
  EXPECT_EQ(Row(0), (Strings{"0", "a", "是", "中间", "0.003", "0.0015", "是", "0", "0", "0"}));
  EXPECT_EQ(grid.Column(kColumnPosition), (Strings{"中间", "下一", "下二"}));
  EXPECT_EQ(grid.rows[2].code, 12);
  EXPECT_EQ(LabelInt(ATTR_LABEL_COUNT_SET, 0), 3);
  EXPECT_EQ(LabelText(2), "c");
  EXPECT_DOUBLE_EQ(LabelDouble(ATTR_LABEL_HEIGHT_SET, 0), 0.0015);  // the preview's own size
  EXPECT_DOUBLE_EQ(LabelDouble(ATTR_LABEL_WIDTH_SET, 0), 0.001);
  EXPECT_EQ(sink.shownKinds, Strings{"电动机"});
  EXPECT_EQ(FileBytes(), 0u);  // looked up, nothing written
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_FALSE(model->IsDirty());
}

// A kind that cannot be read is not shown: the grid does not keep the last kind's rows under its
// name, where a later edit would store them over the record nobody could read.  Chosen again once
// the file is free, it shows.
TEST_F(ModelTest, AFileAnotherProgramHoldsIsReportedAsBusyAndItsKindIsNotShown) {
  SymbolLabelConfig lamp;
  MakeDefaultConfig("照明", lamp);
  SetSlotText(lamp, 0, "灯");
  Store(lamp);
  Choose("电动机");
  files.faults.busyLocks = -1;
  Edit(0, 1, "型号");
  Choose("照明");  // the edits cannot be stored: they stay, with the kind shown
  EXPECT_EQ(sink.messages,
            Strings{std::string(ParaSetModel::kFileBusy) + "\n" + ParaSetModel::kChoiceNotStored});
  EXPECT_EQ(*selected, "电动机");
  EXPECT_EQ(Row(0)[1], "型号");
  sink.messages.clear();
  Choose("照明");  // asked again: they go, and the kind that cannot be read is not shown
  EXPECT_EQ(sink.messages, (Strings{ParaSetModel::kFileBusy, ParaSetModel::kFileBusy}));
  EXPECT_EQ(Rows(), 0);
  EXPECT_EQ(model->ShownKind(), "");
  EXPECT_EQ(sink.shownKinds.back(), "");
  EXPECT_FALSE(sink.gridEnabled);
  files.faults.busyLocks = 0;
  Leave();
  EXPECT_EQ(StoredTexts("照明"), (Strings{"灯", "b", "c"}));
  EXPECT_EQ(StoredTexts("电动机"), Strings{"(no record)"});
  Choose("照明");
  EXPECT_TRUE(sink.gridEnabled);
  EXPECT_EQ(Row(0)[1], "灯");
}

// The shown symbol chosen again, itself or as the first symbol of a category, stores its edits
// first and reads them back.
TEST_F(ModelTest, ChoosingTheShownSymbolAgainKeepsItsEdits) {
  const std::filesystem::path dir = MakeUniqueTempDir("vjd-catalogue-");
  std::ofstream(dir / "EdaSymbol.cls", std::ios::binary) << "t\n负载\ndot 0\ndot 4\n";
  model->ReadCatalog((dir / "EdaSymbol.cls").string());
  std::filesystem::remove_all(dir);
  const struct {
    const char* how;
    std::function<void()> choose;
    Strings edits;
  } kWays[] = {{"the symbol", [this] { Choose("电动机"); }, {"型号", "容量"}},
               {"a category", [this] { ChooseCategory("负载"); }, {"功率", "电流"}}};
  Choose("电动机");
  for (const auto& way : kWays) {
    SCOPED_TRACE(way.how);
    Edit(0, 1, way.edits[0]);
    way.choose();
    EXPECT_EQ(Row(0)[1], way.edits[0]);
    EXPECT_EQ(LabelText(0), way.edits[0]);
    EXPECT_EQ(StoredTexts("电动机")[0], way.edits[0]);
    // Without edits it is read back from the file and nothing is written again.
    const std::string bytes = FileContents();
    way.choose();
    EXPECT_EQ(FileContents(), bytes);
    EXPECT_EQ(Row(0)[1], way.edits[0]);
    Edit(1, 1, way.edits[1]);
    way.choose();
    EXPECT_EQ(Row(1)[1], way.edits[1]);
  }
}

// Leaving with rows the file will not take (a full disk, another program's lock, a missing
// folder): the window stays with them and says so; asked again with nothing changed, it leaves.
// (The walk tries it in every order with edits, choices and the file coming back.)
TEST_F(ModelTest, LeavingWithRowsThatCannotBeStoredStaysOnceWithThem) {
  const struct {
    const char* how;
    std::function<void(bool)> fail;
    const char* message;
  } kWays[] = {
      {"full disk", [this](bool on) { files.faults.writes = on ? -1 : 0; },
       ParaSetModel::kFileNotFound},
      {"busy", [this](bool on) { files.faults.busyLocks = on ? -1 : 0; }, ParaSetModel::kFileBusy},
      {"no folder", [this](bool on) { files.faults.unavailable = on; },
       ParaSetModel::kFileNotFound},
  };
  for (const auto& way : kWays) {
    SCOPED_TRACE(way.how);
    Reopen();
    Choose("电动机");
    const Strings before = StoredTexts("电动机");
    Edit(0, 1, "型号");
    way.fail(true);
    sink.messages.clear();
    sink.commands.clear();
    EXPECT_FALSE(model->OnLeave(selected));
    EXPECT_EQ(sink.messages,
              Strings{std::string(way.message) + "\n" + ParaSetModel::kLeaveNotStored});
    EXPECT_EQ(sink.commands, Messages{}) << "the command goes on";
    EXPECT_EQ(Row(0)[1], "型号");
    EXPECT_TRUE(model->OnLeave(selected));
    EXPECT_EQ(sink.commands, Messages{kLeaves});
    way.fail(false);
    EXPECT_EQ(StoredTexts("电动机"), before);
  }
}

TEST_F(ModelTest, WithNothingSelectedTheGridsReportsDoNothing) {
  Choose("电动机");
  selected.reset();  // the symbol list was emptied
  Edit(0, 1, "型号");
  Click(0, kColumnPosition);
  AddRow();
  DeleteRow(0);
  Leave();
  EXPECT_FALSE(model->IsDirty());
  EXPECT_EQ(sink.positionPreset, -100);
  EXPECT_EQ(FileBytes(), 0u);
  EXPECT_EQ(sink.commands.size(), 1u);  // leaving still ends the command
}

// A catalogue line naming a symbol the library lacks lists it without a name.  Chosen, it shows
// no kind: the shown kind's edits are stored as on any choice, and nothing the grid, a push or
// leaving does writes a record without a kind name, which no symbol would ever find again.
TEST_F(ModelTest, ASymbolListedWithoutNameShowsNoKindAndStoresNothingUnderIt) {
  const std::filesystem::path dir = MakeUniqueTempDir("vjd-catalogue-");
  std::ofstream(dir / "EdaSymbol.cls", std::ios::binary) << "t\n远\ndot 77\ndot 0\n";
  model->ReadCatalog((dir / "EdaSymbol.cls").string());
  std::filesystem::remove_all(dir);
  ownHost.AddEntity(7, {"", "无名"});
  const int handle = 7, id = 70;
  Choose("电动机");
  Edit(0, 1, "型号");
  EXPECT_EQ(ChooseCategory("远"), (Strings{"", "电动机"}));
  EXPECT_EQ(StoredTexts("电动机"), (Strings{"型号", "b", "c"}));
  EXPECT_EQ(Rows(), 0);
  EXPECT_FALSE(sink.gridEnabled);
  EXPECT_EQ(sink.shownKinds.back(), "");
  const std::string bytes = FileContents();
  // What the grid would report if it took input, then a push and leaving.
  grid.rows.emplace_back();
  model->OnRowInserted(selected, 0);
  model->OnCellChanged(selected, 0, kColumnText, "x");
  model->OnRowClicked(selected, 0, kColumnText);
  EXPECT_FALSE(model->IsDirty());
  model->OnPushButton(selected, 1, &handle, &id);
  Leave();
  EXPECT_EQ(FileContents(), bytes);
  EXPECT_EQ(StoredTexts(""), Strings{"(no record)"});
  EXPECT_EQ(sink.messages, Strings{"更新标注失败！"});
  EXPECT_TRUE(ownHost.Annotations().empty());
}

// ---- Rows added, edited, deleted and moved ---------------------------------------------------

TEST_F(ModelTest, KindWithoutRecordOrDefaultShowsAnEmptyGridAndItsFirstRowHasDefaults) {
  Choose("方块");
  ASSERT_EQ(Rows(), 0);
  AddRow();
  ASSERT_EQ(Rows(), 1);
  EXPECT_EQ(Row(0), (Strings{"0", "a", "是", "右上", "0.003", "0.0015", "是", "0", "0", "0"}));
  EXPECT_EQ(grid.rows[0].code, 0);
  EXPECT_EQ(LabelInt(ATTR_LABEL_COUNT_SET, 0), 1);
  EXPECT_EQ(LabelText(0), "a");
  EXPECT_DOUBLE_EQ(LabelDouble(ATTR_LABEL_HEIGHT_SET, 0), 0.0015);
  EXPECT_DOUBLE_EQ(LabelDouble(ATTR_LABEL_WIDTH_SET, 0), 0.001);
  AddRow();
  EXPECT_EQ(Row(1)[0], "1");
  EXPECT_EQ(Row(1)[1], "b");
  Leave();
  EXPECT_EQ(StoredTexts("方块"), (Strings{"a", "b"}));
}

TEST_F(ModelTest, NewRowTakesItsSizeFromTheFirstStoredSlot) {
  SymbolLabelConfig record = ThreeSlotMotor();
  record.dHeight[0] = 0.005;
  record.dWidth[0] = 0.0025;
  Store(record);
  Choose("电动机");
  AddRow();
  EXPECT_EQ(Row(3)[4], "0.005");
  EXPECT_EQ(Row(3)[5], "0.0025");
}

// Cell edits: what the grid, the preview and (after leaving) the file then hold.
TEST_F(ModelTest, CellEditsReachGridPreviewAndFile) {
  Choose("电动机");
  Edit(1, kColumnHeight, "0.004");  // the width follows at half the height
  EXPECT_EQ(Row(1)[kColumnWidth], "0.002");
  EXPECT_DOUBLE_EQ(LabelDouble(ATTR_LABEL_HEIGHT_SET, 1), 0.0015);  // the preview keeps its size
  Edit(2, kColumnHeight, "1e400");
  EXPECT_EQ(Row(2)[kColumnWidth], "0.0015") << "half of the height's default, not of infinity";
  Edit(0, kColumnText, "  型号 ");
  EXPECT_EQ(LabelText(0), "型号");  // trimmed for the preview
  Edit(1, kColumnVisible, "否");
  EXPECT_EQ(LabelInt(ATTR_LABEL_VISIBLE_SET, 1), 0);
  Edit(0, kColumnAngle, "30");  // label 0 follows the symbol: the preview keeps its angle
  EXPECT_DOUBLE_EQ(LabelDouble(ATTR_LABEL_ANGLE_SET, 0), 0.0);
  Edit(1, kColumnAngleFollows, "否");
  EXPECT_EQ(LabelInt(ATTR_LABEL_FOLLOW_SET, 1), 0);
  Edit(0, kColumnAngleFollows, "否");  // no longer following, label 0 shows the angle typed
  EXPECT_DOUBLE_EQ(LabelDouble(ATTR_LABEL_ANGLE_SET, 0), 30.0);
  const struct {
    const char* text;
    double angle;
  } kAngles[] = {{"nan", 0.0}, {"inf", 0.0}, {"0x10", 0.0}, {"-1e999", 0.0}, {"12.5abc", 12.5}};
  for (const auto& angle : kAngles) {
    Edit(1, kColumnAngle, angle.text);
    EXPECT_EQ(LabelDouble(ATTR_LABEL_ANGLE_SET, 1), angle.angle) << angle.text;
  }
  Leave();
  SymbolLabelConfig motor;
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_STREQ(motor.szText[0], "  型号 ");  // the file keeps the cell as typed
  EXPECT_DOUBLE_EQ(motor.dHeight[1], 0.004);
  EXPECT_DOUBLE_EQ(motor.dWidth[1], 0.002);
  EXPECT_EQ(motor.dHeight[2], 0.003);
  EXPECT_EQ(motor.bVisible[1], 0);
  EXPECT_DOUBLE_EQ(motor.dAngle[0], 30.0);
  EXPECT_DOUBLE_EQ(motor.dAngle[1], 12.5);
}

// A line break (Ctrl+Enter in the cell's box, or pasted) or a text longer than the record's field
// would be kept otherwise than the cell shows it: as a control character, which the file's check
// calls damage, or cut unseen.
TEST_F(ModelTest, ALabelTextIsKeptOnOneLineAndCutToItsFieldAsTheCellThenShows) {
  std::string chinese;
  for (int i = 0; i < 25; ++i) chinese += "中";  // 50 bytes: the 25th character does not fit
  const std::pair<std::string, std::string> kCases[] = {
      {"ab\r\ncd", "ab cd"},
      {"\t型号\n", " 型号 "},
      {std::string(60, 'x'), std::string(49, 'x')},
      {chinese, chinese.substr(0, 48)},
      {"a" + chinese, "a" + chinese.substr(0, 48)},
      {"型号", "型号"},
  };
  Choose("电动机");
  for (const auto& [typed, kept] : kCases) {
    Edit(1, kColumnText, typed);
    EXPECT_EQ(Row(1)[kColumnText], kept) << typed;
    EXPECT_EQ(LabelText(1), gbk::Trimmed(kept)) << typed;
    ASSERT_TRUE(model->StoreRows("电动机"));
    SymbolLabelConfig motor;
    ASSERT_TRUE(Find("电动机", motor));
    EXPECT_EQ(std::string(motor.szText[1]), kept) << typed;
  }
}

// An input method in full-width mode types "０．００４": the number the user means, not none.
TEST_F(ModelTest, NumbersTypedInFullWidthAreReadAsTheirDigits) {
  Choose("电动机");
  Edit(0, kColumnHeight, "\xA1\xA1０．００４");  // after an ideographic space
  Edit(1, kColumnAngle, "－１ｅ＋１");
  EXPECT_EQ(Row(0)[kColumnHeight], " 0.004");
  EXPECT_EQ(Row(0)[kColumnWidth], "0.002");
  EXPECT_EQ(Row(1)[kColumnAngle], "-1e+1");
  Edit(0, kColumnText, "１号");  // a label text stays as typed
  EXPECT_EQ(Row(0)[kColumnText], "１号");
  EXPECT_DOUBLE_EQ(model->Rows().dHeight[0], 0.004);
  EXPECT_DOUBLE_EQ(model->Rows().dAngle[1], -10.0);
}

TEST_F(ModelTest, DeletingRow1OfThreeRenumbersShiftsThePreviewAndRewritesTheRecord) {
  Store(ThreeSlotMotor());
  Choose("电动机");
  DeleteRow(1);
  EXPECT_EQ(grid.Column(kColumnNumber), (Strings{"0", "1"}));
  EXPECT_EQ(Row(1)[1], "z");
  EXPECT_EQ(LabelInt(ATTR_LABEL_COUNT_SET, 0), 2);
  EXPECT_EQ(LabelText(1), "z");  // label 2 moved to 1
  EXPECT_EQ(LabelInt(ATTR_LABEL_POSITION_SET, 1), 5);
  EXPECT_DOUBLE_EQ(LabelDouble(ATTR_LABEL_ANGLE_SET, 1), 20.0);
  EXPECT_EQ(LabelInt(ATTR_LABEL_VISIBLE_SET, 2), 0);  // label 2 reset
  // The record has two slots at once, before any other store.
  EXPECT_EQ(StoredTexts("电动机"), (Strings{"x", "z"}));
}

// Moves are stored with the next store; a delete in between takes the moved row's own slot out
// of the record, whose other slots stay in their stored order until then.
TEST_F(ModelTest, MovedRowsThenADeleteRemoveTheDeletedRowsOwnSlot) {
  struct Step {
    char op;  // 'm' move row a to b, 'd' delete row a, 's' leave (store)
    int a, b;
  };
  const struct {
    std::vector<Step> steps;
    Strings rows;    // the grid afterwards
    Strings stored;  // the record's slots afterwards, in order
  } kCases[] = {
      {{{'d', 1, 0}}, {"x", "z"}, {"x", "z"}},  // never moved: as before
      {{{'m', 2, 1}, {'m', 1, 0}, {'d', 0, 0}}, {"x", "y"}, {"x", "y"}},
      {{{'m', 0, 1}, {'d', 1, 0}}, {"y", "z"}, {"y", "z"}},
      {{{'m', 2, 1}, {'d', 2, 0}}, {"x", "z"}, {"x", "z"}},
      {{{'m', 2, 1}, {'d', 0, 0}, {'d', 1, 0}}, {"z"}, {"z"}},
      {{{'m', 2, 1}, {'s', 0, 0}, {'d', 1, 0}}, {"x", "y"}, {"x", "y"}},  // stored in between
      {{{'m', 0, 1}, {'d', 0, 0}, {'s', 0, 0}}, {"x", "z"}, {"x", "z"}},
      {{{'m', 2, 1}, {'d', 0, 0}}, {"z", "y"}, {"y", "z"}},  // the stored order, not the grid's
      {{{'m', 0, 1}, {'d', 2, 0}}, {"y", "x"}, {"x", "y"}},
  };
  for (size_t k = 0; k < std::size(kCases); ++k) {
    SCOPED_TRACE(k);
    Choose("照明");  // whatever the last case left is stored before the record is set
    Store(ThreeSlotMotor());
    Choose("电动机");
    for (const Step& step : kCases[k].steps) {
      if (step.op == 'm') MoveRow(step.a, step.b);
      if (step.op == 'd') DeleteRow(step.a);
      if (step.op == 's') model->StoreRows("电动机");
    }
    EXPECT_EQ(grid.Column(kColumnText), kCases[k].rows);
    EXPECT_EQ(StoredTexts("电动机"), kCases[k].stored);
    Leave();
    EXPECT_EQ(StoredTexts("电动机"), kCases[k].rows) << "the next store keeps the grid's order";
  }
}

TEST_F(ModelTest, AMovedRowTakesItsPositionColourAndPreviewLabelAlong) {
  Store(ThreeSlotMotor());
  Choose("电动机");
  MoveRow(2, 1);
  MoveRow(1, 0);
  EXPECT_EQ(grid.Column(kColumnNumber), (Strings{"0", "1", "2"}));
  EXPECT_EQ(grid.Column(kColumnText), (Strings{"z", "x", "y"}));
  EXPECT_EQ(LabelText(0), "z");
  EXPECT_EQ(LabelInt(ATTR_LABEL_POSITION_SET, 0), 5);
  EXPECT_EQ(LabelInt(ATTR_LABEL_FORE_SET, 0), 102);
  EXPECT_EQ(LabelInt(ATTR_LABEL_FORE_SET, 2), 101);
  Leave();
  SymbolLabelConfig motor;
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_EQ(motor.nPosition[0], 5);
  EXPECT_EQ(motor.nPosition[2], 22);
  EXPECT_EQ(motor.clrFore[0], 102);
  EXPECT_DOUBLE_EQ(motor.dAngle[0], 20.0);
}

// ---- Positions and colours -------------------------------------------------------------------

TEST_F(ModelTest, MiddlePositionIsPlacedByTheLoadingRuleThenByTheChoosingRule) {
  const double v = kSymbolSize;
  const struct {
    double scale, loadedY;
  } kScales[] = {{2.0, (v / 4) / 2.0}, {0.0, v / 4}};  // a scale of 0 counts as 1
  for (const auto& scale : kScales) {
    SCOPED_TRACE(scale.scale);
    Store(ThreeSlotMotor());  // slot 1 at position 22
    ownHost.mapScale = scale.scale;
    Choose("电动机");
    EXPECT_NEAR(AnchorY(1), scale.loadedY, 1e-12);  // base point (0, 0)
    sink.positionAnswer = 22;
    Click(1, kColumnPosition);
    EXPECT_EQ(sink.positionPreset, 22);
    EXPECT_NEAR(AnchorY(1), v / 4.2, 1e-12);
    EXPECT_EQ(LabelInt(ATTR_LABEL_POSITION_SET, 1), 22);
  }
}

// A label placed where the user chose keeps its place when rows trade places, at any map scale;
// a loaded one keeps the place loading gave it.
TEST_F(ModelTest, AMovedMiddleLabelKeepsItsAnchor) {
  Store(ThreeSlotMotor());
  ownHost.mapScale = 2.0;
  Choose("电动机");
  sink.positionAnswer = 23;
  Click(0, kColumnPosition);  // "x" chosen at 23: v / 4.2 below
  MoveRow(0, 1);              // x and y (loaded at 22) trade places
  EXPECT_NEAR(AnchorY(1), -kSymbolSize / 4.2, 1e-12);
  EXPECT_NEAR(AnchorY(0), (kSymbolSize / 4) / 2.0, 1e-12);
  MoveRow(1, 2);
  EXPECT_NEAR(AnchorY(2), -kSymbolSize / 4.2, 1e-12);
}

TEST_F(ModelTest, ChoosingAPositionWritesCodeAndNameCancelLeavesTheRow) {
  Choose("电动机");
  sink.positionAnswer = 9;
  Click(0, kColumnPosition);
  EXPECT_EQ(sink.positionPreset, 8);
  EXPECT_EQ(Row(0)[kColumnPosition], "右上");
  EXPECT_EQ(grid.rows[0].code, 9);
  EXPECT_EQ(LabelInt(ATTR_LABEL_POSITION_SET, 0), 9);
  sink.positionAnswer = -1;
  Click(2, kColumnPosition);
  EXPECT_EQ(Row(2)[kColumnPosition], "下二");
  Leave();
  SymbolLabelConfig motor;
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_EQ(motor.nPosition[0], 9);
  EXPECT_EQ(motor.nPosition[2], 12);
}

TEST_F(ModelTest, ColourCellsOpenTheColourDialogWithTheCellsColour) {
  Choose("电动机");
  sink.colourAnswer = 0x0000ff;
  Click(0, kColumnForeColor);
  EXPECT_EQ(sink.colourInitial, 0);
  EXPECT_EQ(Row(0)[kColumnForeColor], "255");
  EXPECT_EQ(LabelInt(ATTR_LABEL_FORE_SET, 0), 255);
  sink.colourAnswer = 0xff0000;
  Click(0, kColumnBackColor);
  EXPECT_EQ(Row(0)[kColumnBackColor], "16711680");
  EXPECT_EQ(LabelInt(ATTR_LABEL_BACK_SET, 0), 0xff0000);
  sink.colourAnswer = -1;  // cancel
  Click(0, kColumnForeColor);
  EXPECT_EQ(sink.colourInitial, 255);
  EXPECT_EQ(Row(0)[kColumnForeColor], "255");
  Leave();
  SymbolLabelConfig motor;
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_EQ(motor.clrFore[0], 255);
  EXPECT_EQ(motor.clrBack[0], 0xff0000);
}

// ---- The buttons -----------------------------------------------------------------------------

TEST_F(ModelTest, ApplyComparesWithTheSnapshotTakenAtOpening) {
  DisplayOptions options;
  options.bShowMotorName = 1;
  model->Open(options);
  model->Apply(options, nullptr, nullptr, 0);
  EXPECT_EQ(ownHost.Count("SetShowMotorName"), 0);  // as it was when the window opened
  options.bShowMotorName = 0;
  model->Apply(options, nullptr, nullptr, 0);
  EXPECT_EQ(ownHost.Setting("ShowMotorName"), 0);
  EXPECT_EQ(model->Snapshot().bShowMotorName, 0);
}

TEST_F(ModelTest, TheUpdateButtonsStoreTheGridFirstAndReportTheirResult) {
  ownHost.AddEntity(7, {"电动机", "M1"});
  const int handle = 7, id = 70;
  model->OnPushButton(selected, 1, &handle, &id);  // nothing selected
  Choose("电动机");
  model->OnPushButton(selected, 0, nullptr, nullptr);  // nothing picked
  Edit(0, 1, "型号");
  model->OnPushButton(selected, 1, &handle, &id);
  EXPECT_EQ(sink.messages, (Strings{"更新标注失败！", "更新标注失败！", "更新标注成功！"}));
  EXPECT_EQ(StoredTexts("电动机"), (Strings{"型号", "b", "c"}));
  ASSERT_EQ(ownHost.Annotations().size(), 1u);
  EXPECT_EQ(ownHost.Annotations()[0].kind, "电动机");
}

}  // namespace
}  // namespace paraset_test
