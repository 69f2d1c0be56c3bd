// The grid of the configuration window edited with real clicks and keys: the in-place editors
// report their edits to the window, which keeps the preview, the grid and the file in step.
#include "GridCellCombo.h"
#include "GridTestKit.h"
#include "KernelSetup.h"
#include "ParaSetHarness.h"

namespace {

using vjd::annotation::SymbolLabelConfig;

class TypingTest : public ParaSetTest {
 protected:
  void OpenShown() {
    Open();
    ::SetDoubleClickTime(1);  // clicks in a row are single clicks
    m_pDlg->SetWindowPos(nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    m_pDlg->ShowWindow(SW_SHOW);
    ::SetForegroundWindow(m_hDlg);
    Pump();
  }
  void ClickGridCell(int row, int column) {
    RECT cell = {};
    m_pDlg->m_grid.GetCellRect(row, column, &cell);
    Click(m_pDlg->m_grid.m_hWnd, POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    Pump();
  }
  void Press(WORD vk) {
    PressKey(vk);
    Pump();
  }
};

TEST_F(TypingTest, TypedEditsReachTheGridThePreviewAndAfterLeavingTheFile) {
  OpenShown();
  ClickGridCell(1, 4);  // the height of label 1
  ASSERT_NE(m_pDlg->m_grid.GetActiveEditor(), nullptr);
  TypeText("0.004");
  Press(VK_RETURN);
  EXPECT_EQ(m_pDlg->m_grid.GetActiveEditor(), nullptr);
  EXPECT_EQ(Row(1)[4], "0.004");
  EXPECT_EQ(Row(1)[5], "0.002");    // the width follows at half the height
  EXPECT_TRUE(::IsWindow(m_hDlg));  // Enter ended the edit, not the window

  ClickGridCell(0, 1);  // the text of label 0, ended by a click elsewhere
  TypeText("abc");
  ClickGridCell(1, 2);  // "是"/"否" of label 1: a combo box
  auto* combo = dynamic_cast<CGridCellCombo*>(m_pDlg->m_grid.GetActiveEditor());
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(LabelText(0), "abc");
  Press(VK_DOWN);  // "是" -> "否", selected in the field
  Press(VK_TAB);
  EXPECT_EQ(Row(1)[2], "否");
  EXPECT_EQ(LabelInt(ATTR_LABEL_VISIBLE_GET, 1), 0);

  Leave();
  SymbolLabelConfig motor;
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_STREQ(motor.szText[0], "abc");
  EXPECT_DOUBLE_EQ(motor.dHeight[1], 0.004);
  EXPECT_DOUBLE_EQ(motor.dWidth[1], 0.002);
  EXPECT_EQ(motor.bVisible[1], 0);
}

TEST_F(TypingTest, EscapeInTheEditorKeepsTheCellAndTheWindowOpen) {
  OpenShown();
  const std::string before = Row(0)[1];
  ClickGridCell(0, 1);
  TypeText("xyz");
  Press(VK_ESCAPE);
  EXPECT_EQ(Row(0)[1], before);
  EXPECT_EQ(LabelText(0), before);
  EXPECT_TRUE(::IsWindow(m_hDlg));  // Escape ended the edit, not the window
}

// A click on a row counts as a change, also when it opens an in-place editor: leaving a kind
// shown from its built-in default then creates its record, though no value changed.
class ClickCountsTest : public TypingTest, public ::testing::WithParamInterface<int> {};

TEST_P(ClickCountsTest, AClickThatOpensAnEditorOnADefaultKindIsStoredWhenLeaving) {
  OpenShown();
  SymbolLabelConfig motor;
  ASSERT_FALSE(Find("电动机", motor));  // shown from the default table
  ClickGridCell(0, GetParam());
  ASSERT_NE(m_pDlg->m_grid.GetActiveEditor(), nullptr);
  Press(VK_RETURN);  // nothing typed
  Leave();
  ASSERT_TRUE(Find("电动机", motor));
  EXPECT_EQ(motor.nLabelCount, 3);
  EXPECT_STREQ(motor.szText[0], "a");
}

// The text, "是否显示" (a combo box) and the height.
INSTANTIATE_TEST_SUITE_P(EditableCells, ClickCountsTest, ::testing::Values(1, 2, 4));

TEST_F(TypingTest, AClickOnAReadOnlyCellIsReportedOnce) {
  OpenShown();
  m_positionAnswer = -2;  // cancel
  ClickGridCell(0, 3);    // "相对位置" opens the position window, once
  EXPECT_EQ(m_positionRuns, 1);
  EXPECT_EQ(m_positionPreset, 8);  // "中间", the first default slot of "电动机"
}

}  // namespace
