// The grid in step with the preview entity and the file: added, edited and deleted rows, the
// position and colour cells, the middle positions with the map's scale; and a screenshot of
// the whole window.
#include <cmath>
#include <cstdlib>

#include "KernelSetup.h"
#include "ParaSetHarness.h"
#include "PngWriter.h"

namespace {

using vjd::annotation::SymbolLabelConfig;
using Strings = std::vector<std::string>;

TEST_F(ParaSetTest, KindWithoutRecordOrDefaultShowsAnEmptyGridAndItsFirstRowHasDefaults) {
  Open();
  ChooseCategory(3);  // "其它": "方块"
  ASSERT_EQ(Rows(), 0);
  m_pDlg->m_grid.AddRow(-1);
  ASSERT_EQ(Rows(), 1);
  EXPECT_EQ(Row(0), (Strings{"0", "a", "是", "右上", "0.003", "0.0015", "是", "0", "0", "0"}));
  EXPECT_EQ(m_pDlg->m_grid.GetItemData(0), 0u);
  EXPECT_EQ(LabelInt(ATTR_LABEL_COUNT_GET, 0), 1);
  EXPECT_EQ(LabelText(0), "a");
  EXPECT_DOUBLE_EQ(LabelDouble(ATTR_LABEL_HEIGHT_GET, 0), 0.0015);
  EXPECT_DOUBLE_EQ(LabelDouble(ATTR_LABEL_WIDTH_GET, 0), 0.001);
  m_pDlg->m_grid.AddRow(-1);
  EXPECT_EQ(Row(1)[0], "1");
  EXPECT_EQ(Row(1)[1], "b");
  Leave();
  SymbolLabelConfig record;
  ASSERT_TRUE(Find("方块", record));
  EXPECT_EQ(record.nLabelCount, 2);
}

TEST_F(ParaSetTest, NewRowTakesItsSizeFromTheFirstStoredSlot) {
  SymbolLabelConfig record = ThreeSlotMotor();
  record.dHeight[0] = 0.005;
  record.dWidth[0] = 0.0025;
  Store(record);
  Open();
  m_pDlg->m_grid.AddRow(-1);
  EXPECT_EQ(Row(3)[4], "0.005");
  EXPECT_EQ(Row(3)[5], "0.0025");
}

TEST_F(ParaSetTest, TypingAHeightPutsHalfOfItIntoTheWidth) {
  Open();
  EditCell(1, 4, "0.004");
  EXPECT_EQ(Row(1)[5], "0.002");
  EXPECT_DOUBLE_EQ(LabelDouble(ATTR_LABEL_HEIGHT_GET, 1), 0.0015);  // the preview keeps its size
  Leave();
  SymbolLabelConfig motor;
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_DOUBLE_EQ(motor.dHeight[1], 0.004);
  EXPECT_DOUBLE_EQ(motor.dWidth[1], 0.002);
}

TEST_F(ParaSetTest, CellNumbersAreDecimalAndBeyondTheDoubleRangeAreNoValues) {
  Open();
  EditCell(1, 4, "1e400");
  EXPECT_EQ(Row(1)[5], "0.0015") << "half of the height's default, not of infinity";
  EditCell(0, 6, "否");  // the preview shows the angle of a label that does not follow
  for (const char* none : {"nan", "inf", "0x10", "-1e999"}) {
    EditCell(0, 7, none);
    EXPECT_EQ(LabelDouble(ATTR_LABEL_ANGLE_GET, 0), 0.0) << none;
  }
  EditCell(0, 7, "12.5abc");
  EXPECT_DOUBLE_EQ(LabelDouble(ATTR_LABEL_ANGLE_GET, 0), 12.5);
  Leave();
  SymbolLabelConfig motor;
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_EQ(motor.dHeight[1], 0.003);
  EXPECT_EQ(motor.dWidth[1], 0.0015);
  EXPECT_EQ(motor.dAngle[0], 12.5);
}

TEST_F(ParaSetTest, CellEditsReachThePreviewTrimmed) {
  Open();
  EditCell(0, 1, "  型号 ");
  EXPECT_EQ(LabelText(0), "型号");
  EditCell(1, 2, "否");
  EXPECT_EQ(LabelInt(ATTR_LABEL_VISIBLE_GET, 1), 0);
  EditCell(1, 6, "否");
  EXPECT_EQ(LabelInt(ATTR_LABEL_FOLLOW_GET, 1), 0);
  EditCell(1, 7, "45");
  EXPECT_DOUBLE_EQ(LabelDouble(ATTR_LABEL_ANGLE_GET, 1), 45.0);
}

TEST_F(ParaSetTest, AngleOfALabelFollowingTheSymbolChangesTheGridNotThePreview) {
  Open();
  ASSERT_EQ(Row(0)[6], "是");
  EditCell(0, 7, "30");
  EXPECT_EQ(Row(0)[7], "30");
  EXPECT_DOUBLE_EQ(LabelDouble(ATTR_LABEL_ANGLE_GET, 0), 0.0);
  Leave();
  SymbolLabelConfig motor;
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_DOUBLE_EQ(motor.dAngle[0], 30.0);
}

TEST_F(ParaSetTest, DeletingRow1OfThreeRenumbersShiftsThePreviewAndRewritesTheRecord) {
  Store(ThreeSlotMotor());
  Open();
  ASSERT_EQ(Rows(), 3);
  m_pDlg->m_grid.DeleteRow(1);
  ASSERT_EQ(Rows(), 2);
  EXPECT_EQ(Row(0)[0], "0");
  EXPECT_EQ(Row(1)[0], "1");
  EXPECT_EQ(Row(1)[1], "z");
  EXPECT_EQ(LabelInt(ATTR_LABEL_COUNT_GET, 0), 2);
  EXPECT_EQ(LabelText(1), "z");  // label 2 moved to 1
  EXPECT_EQ(LabelInt(ATTR_LABEL_POSITION_GET, 1), 5);
  EXPECT_DOUBLE_EQ(LabelDouble(ATTR_LABEL_ANGLE_GET, 1), 20.0);
  // Label 2, reset, now lies beyond the entity's label count (the kernel answers nothing for
  // it); the reset itself is checked with the portable label code.
  EXPECT_EQ(LabelInt(ATTR_LABEL_VISIBLE_GET, 2), -12345);
  // The record has two slots at once, before any other store.
  SymbolLabelConfig motor;
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_EQ(motor.nLabelCount, 2);
  EXPECT_STREQ(motor.szText[1], "z");
  EXPECT_EQ(motor.nPosition[1], 5);
}

TEST_F(ParaSetTest, DeletingARowOfAKindWithoutRecordWritesNothing) {
  Open();  // "电动机" from the default table
  m_pDlg->m_grid.DeleteRow(0);
  EXPECT_EQ(Rows(), 2);
  EXPECT_EQ(ConfigBytes(), 0);
}

TEST_F(ParaSetTest, DeletingTheLastRowStoresACountOfZeroAndTheEmptyGridIsNeverWritten) {
  SymbolLabelConfig record = ThreeSlotMotor();
  record.nLabelCount = 1;
  Store(record);
  Open();
  ASSERT_EQ(Rows(), 1);
  m_pDlg->m_grid.DeleteRow(0);
  SymbolLabelConfig motor;
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_EQ(motor.nLabelCount, 0);
  EXPECT_STREQ(motor.szText[0], "x");  // the slot keeps its bytes beyond the count
  ChooseSymbol(1);                     // dirty but empty: nothing is stored
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_EQ(motor.nLabelCount, 0);
  EXPECT_EQ(ConfigBytes(), 1062);
}

TEST_F(ParaSetTest, MiddlePositionIsPlacedByTheLoadingRuleThenByTheChoosingRule) {
  Store(ThreeSlotMotor());  // slot 1 at position 22
  m_pMapObject->GetDrawing().dScale = 2.0;
  Open();
  const double v = SymbolSize();
  ASSERT_GT(v, 0.0);
  double anchor[3];
  ASSERT_TRUE(Anchor(1, anchor));
  EXPECT_NEAR(anchor[1], 0.0 + (v / 4) / 2.0, 1e-12);  // base point (0, 0)
  EXPECT_EQ(Row(1)[3], "中上二");
  m_positionAnswer = 22;
  ClickCell(1, 3);
  EXPECT_EQ(m_positionPreset, 22);
  ASSERT_TRUE(Anchor(1, anchor));
  EXPECT_NEAR(anchor[1], 0.0 + v / 4.2, 1e-12);
  EXPECT_EQ(LabelInt(ATTR_LABEL_POSITION_GET, 1), 22);
}

TEST_F(ParaSetTest, MapScaleZeroPlacesMiddlePositionsAsScaleOne) {
  Store(ThreeSlotMotor());
  m_pMapObject->GetDrawing().dScale = 0.0;
  Open();
  double anchor[3];
  ASSERT_TRUE(Anchor(1, anchor));
  ASSERT_TRUE(std::isfinite(anchor[1]));
  EXPECT_NEAR(anchor[1], SymbolSize() / 4, 1e-12);
}

TEST_F(ParaSetTest, ChoosingAPositionWritesCodeAndNameCancelLeavesTheRow) {
  Open();
  m_positionAnswer = 9;
  ClickCell(0, 3);
  EXPECT_EQ(m_positionPreset, 8);
  EXPECT_EQ(Row(0)[3], "右上");
  EXPECT_EQ(m_pDlg->m_grid.GetItemData(0), 9u);
  EXPECT_EQ(LabelInt(ATTR_LABEL_POSITION_GET, 0), 9);
  m_positionAnswer = -2;
  ClickCell(2, 3);
  EXPECT_EQ(Row(2)[3], "下二");
  Leave();
  SymbolLabelConfig motor;
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_EQ(motor.nPosition[0], 9);
  EXPECT_EQ(motor.nPosition[2], 12);
}

TEST_F(ParaSetTest, ColourCellsOpenTheColourDialogWithTheCellsColour) {
  Open();
  EditCell(0, 8, "");  // as read-only cells never are, but an empty text counts as 0
  m_colourAnswer = RGB(255, 0, 0);
  ClickCell(0, 8);
  EXPECT_EQ(m_colourInitial, 0u);
  EXPECT_EQ(Row(0)[8], "255");
  unsigned fore = 0, back = 0;
  ASSERT_TRUE(QkSetupGetLabelColours(m_pDlg->m_pPreviewEntity, 0, &fore, &back));
  EXPECT_EQ(fore, 255u);
  m_colourAnswer = RGB(0, 0, 255);
  ClickCell(0, 9);
  EXPECT_EQ(Row(0)[9], "16711680");
  m_colourAnswer = -1;  // cancel
  ClickCell(0, 8);
  EXPECT_EQ(m_colourInitial, 255u);
  EXPECT_EQ(Row(0)[8], "255");
}

// Not a check: a picture of the whole window for a person, paraset-window.png in the bin folder.
TEST_F(ParaSetTest, SavesAScreenshotOfTheWindow) {
  Store(ThreeSlotMotor());
  Open();
  m_pDlg->ShowWindow(SW_SHOW);
  m_pDlg->RedrawWindow(nullptr, nullptr,
                       RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME | RDW_ERASE);
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  EXPECT_TRUE(SaveWindowPng(m_hDlg, "paraset-window.png"));
}

}  // namespace
