// Navigating and editing the grid as a user does, with real clicks and keys.
#include <gtest/gtest.h>

#include <string>

#include "GridCellCombo.h"
#include "GridCellEdit.h"
#include "GridTestDlg.h"

namespace {

CGridCellEdit* EditBox(CGridListCtrl& grid) {
  return dynamic_cast<CGridCellEdit*>(grid.GetActiveEditor());
}
CGridCellCombo* Combo(CGridListCtrl& grid) {
  return dynamic_cast<CGridCellCombo*>(grid.GetActiveEditor());
}

TEST_F(GridTest, ClickingASecondCellCommitsTheFirstAndOpensTheSecond) {
  ClickCell(0, 1);
  ASSERT_NE(EditBox(dlg->m_grid), nullptr);
  EXPECT_EQ(::GetFocus(), dlg->m_grid.GetActiveEditor()->m_hWnd);
  TypeText("abc");  // replaces the selected text
  ClickCell(1, 4);
  const auto changes = dlg->Notes(LVN_SETDISPINFOA, GridCellChanged);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].item, 0);
  EXPECT_EQ(changes[0].subItem, 1);
  EXPECT_EQ(changes[0].text, "abc");
  EXPECT_EQ(Text(0, 1), "abc");
  ASSERT_NE(EditBox(dlg->m_grid), nullptr);
  EXPECT_EQ(dlg->m_grid.GetEditRow(), 1);
  EXPECT_EQ(dlg->m_grid.GetEditColumn(), 4);

  Press(VK_RETURN);  // unchanged text: nothing to report
  ClickCell(0, 1);
  TypeText("abc");  // the same text again
  Press(VK_RETURN);
  EXPECT_EQ(Changes(), 1u);
  EXPECT_EQ(dlg->m_grid.GetActiveEditor(), nullptr);
  EXPECT_EQ(::GetFocus(), Grid());
}

TEST_F(GridTest, EnterCommitsEscapeDiscardsAndF2ReopensAtTheCurrentColumn) {
  ClickCell(2, 4);
  TypeText("12");
  Press(VK_RETURN);
  EXPECT_EQ(Text(2, 4), "12");
  EXPECT_EQ(Changes(), 1u);
  Press(VK_F2);
  ASSERT_NE(EditBox(dlg->m_grid), nullptr);
  EXPECT_EQ(dlg->m_grid.GetEditColumn(), 4);
  TypeText("99");
  Press(VK_ESCAPE);
  EXPECT_EQ(Text(2, 4), "12");
  EXPECT_EQ(Changes(), 1u);
  EXPECT_EQ(dlg->m_grid.GetActiveEditor(), nullptr);
  EXPECT_EQ(dlg->m_nOK, 0);  // Enter and Escape did not reach the dialog
  EXPECT_EQ(dlg->m_nCancel, 0);
}

TEST_F(GridTest, AfterDraggingAHeaderLeftRightAndCellsFollowTheDisplayOrder) {
  // Drag the header of column 4 onto the place of column 1.
  HWND header = reinterpret_cast<HWND>(dlg->m_grid.SendMessage(LVM_GETHEADER));
  RECT from = {}, to = {};
  Header_GetItemRect(header, 4, &from);
  Header_GetItemRect(header, 1, &to);
  MouseDown(header, POINT{(from.left + from.right) / 2, 5});
  Pump();
  for (int x = (from.left + from.right) / 2; x > to.left + 3; x -= 10)
    MouseMove(header, POINT{x, 5});
  MouseUp(header, POINT{to.left + 3, 5});
  Pump();
  const std::vector<int> order = dlg->m_grid.GetOrderArray();
  ASSERT_EQ(order, (std::vector<int>{0, 4, 1, 2, 3, 5, 6, 7, 8, 9}));

  ClickCell(0, 4);
  Press(VK_ESCAPE);
  EXPECT_EQ(dlg->m_grid.GetCurrentColumn(), 1);  // position, not index
  Press(VK_RIGHT);
  EXPECT_EQ(dlg->m_grid.GetColumnAtPosition(dlg->m_grid.GetCurrentColumn()), 1);
  Press(VK_RETURN);
  ASSERT_NE(EditBox(dlg->m_grid), nullptr);
  EXPECT_EQ(dlg->m_grid.GetEditColumn(), 1);
  for (int column = 1; column < 10; ++column) {
    RECT cell = {}, sub = {};
    ASSERT_TRUE(dlg->m_grid.GetCellRect(0, column, &cell));
    dlg->m_grid.GetSubItemRect(0, column, LVIR_BOUNDS, sub);
    EXPECT_EQ(cell.left, sub.left) << column;
    EXPECT_EQ(cell.right, sub.right) << column;
  }
  RECT editor = {}, cell = {};
  dlg->m_grid.GetActiveEditor()->GetWindowRect(&editor);
  dlg->m_grid.ScreenToClient(&editor);
  dlg->m_grid.GetCellRect(0, 1, &cell);
  EXPECT_EQ(editor.left, cell.left);
  Press(VK_ESCAPE);
  Press(VK_LEFT);
  EXPECT_EQ(dlg->m_grid.GetColumnAtPosition(dlg->m_grid.GetCurrentColumn()), 4);
}

TEST_F(GridTest, ComboColumnsOfferExactlyTheirOptions) {
  dlg->m_grid.SetItemText(1, 6, "否");
  ClickCell(1, 6);
  CGridCellCombo* combo = Combo(dlg->m_grid);
  ASSERT_NE(combo, nullptr);
  ASSERT_EQ(combo->GetCount(), 2);
  CString first, second;
  combo->GetLBText(0, first);
  combo->GetLBText(1, second);
  EXPECT_EQ(first, "是");
  EXPECT_EQ(second, "否");
  EXPECT_EQ(combo->GetCurSel(), 1);
  EXPECT_LE(combo->GetDroppedWidth(), CGridCellCombo::kMaxDropWidth);
  Press(VK_ESCAPE);
  EXPECT_EQ(Changes(), 0u);

  ClickCell(0, 2);  // a text no option begins with is shown unchanged
  combo = Combo(dlg->m_grid);
  ASSERT_NE(combo, nullptr);
  CString field;
  combo->GetWindowText(field);
  EXPECT_EQ(field, "0,2");
  Press(VK_ESCAPE);
  EXPECT_EQ(Text(0, 2), "0,2");

  CStringArray options;  // a very long option: the dropped list still stops at 200 pixels
  for (const char* text : {"", "", "一个非常非常非常非常非常非常非常非常非常长的选项", "否"})
    options.Add(text);
  dlg->m_grid.SetColumnOptions(options);
  ClickCell(0, 2);
  ASSERT_NE(Combo(dlg->m_grid), nullptr);
  EXPECT_EQ(Combo(dlg->m_grid)->ComputeDropWidth(), CGridCellCombo::kMaxDropWidth);
  EXPECT_EQ(Combo(dlg->m_grid)->GetDroppedWidth(), CGridCellCombo::kMaxDropWidth);
}

TEST_F(GridTest, KeysReachTheComboThatEnterOpened) {
  ClickCell(0, 1);  // current column 1, then Right onto the combo column and Enter
  Press(VK_ESCAPE);
  Press(VK_RIGHT);
  Press(VK_RETURN);
  CGridCellCombo* combo = Combo(dlg->m_grid);
  ASSERT_NE(combo, nullptr);  // the Enter that opened it does not close it
  combo->GetEditField().SetSel(0, -1);
  Press(VK_DELETE);
  TypeText("s");
  Press(VK_DOWN, true);
  EXPECT_EQ(dlg->m_grid.GetActiveEditor(), nullptr);
  EXPECT_EQ(Text(0, 2), "s");
  EXPECT_EQ(::GetFocus(), Grid());
  EXPECT_EQ(dlg->m_nOK, 0);
}

// An option chosen with the arrow keys is selected whole in the field; Enter takes it.
TEST_F(GridTest, EnterTakesTheOptionChosenWithTheArrowKeys) {
  dlg->m_grid.SetItemText(1, 6, "是");
  ClickCell(1, 6);
  ASSERT_NE(Combo(dlg->m_grid), nullptr);
  Press(VK_DOWN);
  Press(VK_RETURN);
  EXPECT_EQ(dlg->m_grid.GetActiveEditor(), nullptr);
  EXPECT_EQ(Text(1, 6), "否");
  EXPECT_EQ(Changes(), 1u);
  EXPECT_EQ(dlg->m_nOK, 0);
}

TEST_F(GridTest, EditBoxGrowsToTheRightAsTextIsTyped) {
  ClickCell(0, 1);
  CGridCellEdit* edit = EditBox(dlg->m_grid);
  ASSERT_NE(edit, nullptr);
  RECT before = {}, client = {};
  edit->GetWindowRect(&before);
  dlg->m_grid.ScreenToClient(&before);
  dlg->m_grid.GetClientRect(&client);
  edit->SetWindowText("wide wide wide wide");
  edit->SetSel(-1, -1);
  TypeText("w");
  Pump();
  RECT after = {};
  edit->GetWindowRect(&after);
  dlg->m_grid.ScreenToClient(&after);
  EXPECT_EQ(after.left, before.left);
  EXPECT_GT(after.right, before.right);
  EXPECT_LE(after.right, client.right - 2);

  Press(VK_ESCAPE);
}

}  // namespace
