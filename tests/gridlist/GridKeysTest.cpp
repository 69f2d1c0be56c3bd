// The grid's own keys under real key input: the bar's buttons from the keyboard, and the choice
// cells opened by Enter, F2 and Space as by a click.  Which key means what is decided natively
// (GridCursorTest, GridBarButtonsTest); here the list-view, the dialog and the system around it
// must let the keys through and keep the rows' states.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "GridTestDlg.h"

namespace {

class GridKeysTest : public GridTest {
 protected:
  // The grid has the keyboard with `row` selected and focused, as after arrowing onto it.
  void FocusRow(int row) {
    dlg->m_grid.SetFocus();
    dlg->m_grid.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Pump();
  }
  int Focused() const { return dlg->m_grid.GetNextItem(-1, LVNI_FOCUSED); }
  size_t Reported(UINT mask) const { return dlg->Notes(LVN_SETDISPINFOA, mask).size(); }
};

TEST_F(GridKeysTest, InsertDeleteAndAltWithTheArrowsDoWhatTheBarsButtonsDo) {
  FocusRow(1);
  for (int i = 0; i < 6; ++i) Press(VK_INSERT);  // up to eight rows, as the bar's "new"
  EXPECT_EQ(dlg->m_grid.GetItemCount(), 8);
  EXPECT_EQ(Reported(GridRowInserted), 5u);

  // The moved row stays the selected and focused one, so the next key takes it further.
  PressWith(VK_MENU, VK_DOWN);
  Pump();
  PressWith(VK_MENU, VK_DOWN);
  Pump();
  EXPECT_EQ(Text(3, 1), "1,1");
  EXPECT_EQ(dlg->m_grid.GetSelectedRow(), 3);
  EXPECT_EQ(Focused(), 3);
  PressWith(VK_MENU, VK_UP);
  Pump();
  EXPECT_EQ(Text(2, 1), "1,1");
  EXPECT_EQ(Focused(), 2);
  const std::vector<GridNote> moves = dlg->Notes(LVN_SETDISPINFOA, GridRowMoved);
  ASSERT_EQ(moves.size(), 3u);
  EXPECT_EQ(std::make_pair(moves[2].item, static_cast<int>(moves[2].lParam)), std::make_pair(3, 2));

  // Releasing Alt opened no menu: the next key still reaches the grid.
  Press(VK_DELETE);
  EXPECT_EQ(dlg->m_grid.GetItemCount(), 7);
  ASSERT_EQ(Reported(GridRowDeleted), 1u);
  EXPECT_EQ(dlg->Notes(LVN_SETDISPINFOA, GridRowDeleted)[0].item, 2);
  EXPECT_EQ(Text(1, 1), "2,1");
  EXPECT_EQ(Text(2, 1), "");                   // an added row took the deleted one's place
  EXPECT_EQ(dlg->m_grid.GetSelectedRow(), 2);  // the neighbour, as after the bar's delete
  EXPECT_EQ(Focused(), 2);
  EXPECT_EQ(::GetFocus(), Grid());

  Press(VK_DOWN);  // plain arrows stay the list-view's: no row moves
  EXPECT_EQ(Reported(GridRowMoved), 3u);
  EXPECT_EQ(dlg->m_nOK + dlg->m_nCancel, 0);
}

TEST_F(GridKeysTest, EnterF2AndSpaceOnAChoiceCellReportItClickedAndElsewhereEditAsBefore) {
  std::vector<std::pair<int, int>> clicks;
  dlg->m_onClick = [&](const NMITEMACTIVATE& click) {
    clicks.emplace_back(click.iItem, click.iSubItem);
  };
  FocusRow(1);
  for (int i = 0; i < 4; ++i) Press(VK_RIGHT);  // the current column: none, 0, 1, 2, 3
  ASSERT_EQ(dlg->m_grid.GetCurrentColumn(), 3);
  Press(VK_RETURN);
  Press(VK_F2);
  Press(VK_SPACE);
  PressKey(VK_SPACE, true);  // Ctrl+Space stays the list-view's
  Pump();
  EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>(3, {1, 3})));
  EXPECT_EQ(dlg->m_grid.GetActiveEditor(), nullptr);

  Press(VK_RIGHT);
  Press(VK_RETURN);  // the height: its editor opens, and no click is reported
  EXPECT_NE(dlg->m_grid.GetActiveEditor(), nullptr);
  Press(VK_ESCAPE);
  EXPECT_EQ(clicks.size(), 3u);
  EXPECT_EQ(dlg->m_nOK + dlg->m_nCancel, 0);
}

}  // namespace
