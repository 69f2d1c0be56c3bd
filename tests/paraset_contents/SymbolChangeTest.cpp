// Changing the symbol and leaving, against the configuration file: what is stored, under which
// name and when; the shown symbol chosen again; a store that fails is reported and skipped.
#include "ParaSetHarness.h"

namespace {

using vjd::annotation::SymbolLabelConfig;
using Strings = std::vector<std::string>;

TEST_F(ParaSetTest, ChangingSymbolAfterAnEditStoresThePreviousUnderItsName) {
  SymbolLabelConfig lamp;
  vjd::annotation::MakeDefaultConfig("照明", lamp);
  std::snprintf(lamp.szText[0], sizeof lamp.szText[0], "%s", "灯");
  Store(lamp);
  Open();
  EditCell(0, 1, "型号");
  ChooseSymbol(1);  // "照明"
  SymbolLabelConfig motor;
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_EQ(motor.nLabelCount, 3);
  EXPECT_STREQ(motor.szText[0], "型号");
  EXPECT_STREQ(motor.szText[1], "b");
  EXPECT_EQ(motor.nPosition[2], 12);
  EXPECT_STREQ(motor.szFont[0], "宋体");
  // The stored "照明" is what the grid shows now, and it was not overwritten by the switch.
  EXPECT_EQ(Caption(), "照明 的标注:");
  EXPECT_EQ(Row(0)[1], "灯");
  EXPECT_EQ(LabelText(0), "灯");
  ASSERT_TRUE(Find("照明", lamp));
  EXPECT_STREQ(lamp.szText[0], "灯");
  EXPECT_EQ(ConfigBytes(), 2 * 1062);
}

TEST_F(ParaSetTest, ChangingSymbolWithoutAnyClickStoresNothing) {
  Open();
  ChooseSymbol(1);
  ChooseCategory(1);
  ChooseSymbol(0);
  EXPECT_EQ(ConfigBytes(), 0);
  Leave();
  EXPECT_EQ(ConfigBytes(), 0);
}

TEST_F(ParaSetTest, AMereClickOnARowMarksTheGridChanged) {
  Open();
  ClickCell(1, 0);
  ChooseSymbol(1);
  SymbolLabelConfig motor;
  ASSERT_TRUE(Find("电动机", motor));  // the default now has a record
  EXPECT_EQ(motor.nLabelCount, 3);
  ClickCell(7, 0);  // no such row: no change
  ChooseSymbol(0);
  SymbolLabelConfig lamp;
  EXPECT_FALSE(Find("照明", lamp));
}

TEST_F(ParaSetTest, ChoosingTheShownSymbolAgainKeepsItsEdits) {
  Open();
  EditCell(0, 1, "型号");
  ChooseSymbol(0);  // the same symbol
  EXPECT_EQ(Row(0)[1], "型号");
  EXPECT_EQ(LabelText(0), "型号");
  SymbolLabelConfig motor;
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_STREQ(motor.szText[0], "型号");
  // Without edits it is read back from the file and nothing is written again.
  const long long bytes = ConfigBytes();
  ChooseSymbol(0);
  EXPECT_EQ(ConfigBytes(), bytes);
  EXPECT_EQ(Row(0)[1], "型号");
}

TEST_F(ParaSetTest, ChoosingACategoryWhoseFirstSymbolIsShownKeepsItsEdits) {
  Open();
  EditCell(1, 1, "容量");
  ChooseCategory(0);  // "负载" again: its first symbol is the one shown
  EXPECT_EQ(Row(1)[1], "容量");
}

TEST_F(ParaSetTest, LeavingStoresTheSelectedSymbolsChangedGridAndEndsTheCommandOnce) {
  Open();
  EditCell(2, 7, "90");
  Leave();
  SymbolLabelConfig motor;
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_DOUBLE_EQ(motor.dAngle[2], 90.0);
  ASSERT_EQ(g_mouseStatusCalls.size(), 1u);
  EXPECT_EQ(g_mouseStatusCalls[0].code, 19);
  EXPECT_EQ(g_mouseStatusCalls[0].p2, 0);
  EXPECT_FALSE(::IsWindow(m_hDlg));
}

TEST_F(ParaSetTest, AFailedStoreIsReportedAndSkippedAndNothingWaitsForALaterStore) {
  Open();
  RemoveConfigFolder();
  EditCell(0, 1, "型号");
  ChooseSymbol(1);  // neither storing "电动机" nor loading "照明" can reach the file
  EXPECT_EQ(m_messages, (Strings{"文件没找到！", "文件没找到！"}));
  MakeConfigFolder();
  m_messages.clear();
  ChooseSymbol(0);  // nothing changed since: nothing is stored, "电动机" shows its default
  ChooseCategory(1);
  Leave();
  EXPECT_TRUE(m_messages.empty());
  EXPECT_EQ(ConfigBytes(), 0);  // no record of either kind was written later
}

TEST_F(ParaSetTest, ChoosingTheShownSymbolStoresItsEditsFirstAndReloadsEvenWhenTheStoreFails) {
  Open();
  RemoveConfigFolder();
  EditCell(0, 1, "型号");
  ChooseSymbol(0);  // the store fails and is reported, then the reload is tried
  EXPECT_EQ(m_messages, (Strings{"文件没找到！", "文件没找到！"}));
  MakeConfigFolder();
  EditCell(0, 1, "功率");
  ChooseSymbol(0);  // now the store reaches the file and the grid is read back from it
  EXPECT_EQ(m_messages.size(), 2u);
  EXPECT_EQ(Row(0)[1], "功率");
  SymbolLabelConfig motor;
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_STREQ(motor.szText[0], "功率");
}

}  // namespace
