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

TEST_F(GridTest, EnterOrF2WithoutACurrentColumnOrFocusedRowDoesNothing) {
  dlg->m_grid.SetFocus();
  dlg->m_grid.SetItemState(0, LVIS_FOCUSED, LVIS_FOCUSED);
  Press(VK_RETURN);  // no click yet: no current column
  Press(VK_F2);
  EXPECT_EQ(dlg->m_grid.GetActiveEditor(), nullptr);
  ClickCell(1, 0);  // read-only: sets the current column, opens nothing
  EXPECT_EQ(dlg->m_grid.GetCurrentColumn(), 0);
  dlg->m_grid.SetItemState(-1, 0, LVIS_FOCUSED);
  Press(VK_RETURN);
  Press(VK_F2);
  EXPECT_EQ(dlg->m_grid.GetActiveEditor(), nullptr);
  EXPECT_EQ(dlg->m_nOK, 0);  // Enter never pressed the dialog's default button
}

TEST_F(GridTest, LeftAndRightStopAtTheFirstAndLastPosition) {
  ClickCell(0, 1);
  Press(VK_ESCAPE);
  EXPECT_EQ(dlg->m_grid.GetCurrentColumn(), 1);
  Press(VK_LEFT);
  Press(VK_LEFT);
  EXPECT_EQ(dlg->m_grid.GetCurrentColumn(), 0);
  for (int i = 0; i < 12; ++i) PressKey(VK_RIGHT);
  Pump();
  EXPECT_EQ(dlg->m_grid.GetCurrentColumn(), 9);
  Press(VK_DOWN);  // the list-view moves the row; the column stays
  EXPECT_EQ(dlg->m_grid.GetCurrentColumn(), 9);
  EXPECT_EQ(dlg->m_grid.GetNextItem(-1, LVNI_FOCUSED), 1);
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

TEST_F(GridTest, ReadOnlyColumnsAndEmptySpaceOpenNoEditor) {
  for (int column : {0, 3, 8, 9}) {
    ClickCell(1, column);
    EXPECT_EQ(dlg->m_grid.GetActiveEditor(), nullptr) << column;
  }
  EXPECT_GE(dlg->Notes(NM_CLICK).size(), 4u);  // the parent still sees the clicks
  RECT last = {}, client = {};
  dlg->m_grid.GetItemRect(2, &last, LVIR_BOUNDS);
  dlg->m_grid.GetClientRect(&client);
  dlg->m_grid.SetItemState(-1, 0, LVIS_SELECTED);
  Click(Grid(), POINT{100, (last.bottom + client.bottom) / 2});
  Pump();
  EXPECT_EQ(dlg->m_grid.GetActiveEditor(), nullptr);
  EXPECT_EQ(dlg->m_grid.GetSelectedRow(), -1);

  dlg->m_grid.SetReadOnlyColumnCount(0);  // column 0 editable now: its label opens an editor
  ClickCell(1, 0);
  EXPECT_NE(EditBox(dlg->m_grid), nullptr);
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

TEST_F(GridTest, ComboEndsOnCtrlDownTabAndEscapeButNotOnEnterInAnEmptyField) {
  ClickCell(0, 1);  // current column 1, then Right onto the combo column and Enter
  Press(VK_ESCAPE);
  Press(VK_RIGHT);
  Press(VK_RETURN);
  ASSERT_NE(Combo(dlg->m_grid), nullptr);  // the Enter that opened it does not close it
  TypeText("x");
  Press(VK_ESCAPE);  // back to the initial text: no change
  EXPECT_EQ(dlg->m_grid.GetActiveEditor(), nullptr);
  EXPECT_EQ(Changes(), 0u);

  ClickCell(0, 2);
  CGridCellCombo* combo = Combo(dlg->m_grid);
  ASSERT_NE(combo, nullptr);
  combo->GetEditField().SetSel(0, -1);
  Press(VK_DELETE);
  Press(VK_RETURN);
  EXPECT_EQ(Combo(dlg->m_grid), combo);  // empty field: Enter does not end the edit
  TypeText("s");
  Press(VK_DOWN, true);
  EXPECT_EQ(dlg->m_grid.GetActiveEditor(), nullptr);
  EXPECT_EQ(Text(0, 2), "s");
  EXPECT_EQ(::GetFocus(), Grid());

  ClickCell(1, 6);
  ASSERT_NE(Combo(dlg->m_grid), nullptr);
  Press(VK_TAB);
  EXPECT_EQ(dlg->m_grid.GetActiveEditor(), nullptr);
}

TEST_F(GridTest, EditBoxGrowsWithItsTextUpToTheGridEdges) {
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

  // A word wider than the grid, so the widest line needs more than the room whatever the font,
  // then lines enough to pass the grid's bottom.
  CString lines(std::string(200, 'w').c_str());
  for (int i = 0; i < 800; ++i) lines += " word";
  edit->SetWindowText(lines);
  edit->SetSel(-1, -1);
  TypeText("m");
  Pump();
  edit->GetWindowRect(&after);
  dlg->m_grid.ScreenToClient(&after);
  EXPECT_EQ(after.right, client.right - 2);
  EXPECT_EQ(after.bottom, client.bottom - 2);
  EXPECT_TRUE(edit->GetStyle() & WS_VSCROLL);
  Press(VK_ESCAPE);
}

}  // namespace
