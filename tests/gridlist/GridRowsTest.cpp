// Rows: the grid's row operations and the button bar that adds and deletes them.
#include <gtest/gtest.h>

#include "GridTestDlg.h"

namespace {

POINT Center(const RECT& r) {
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class GridBarTest : public GridTest {
 protected:
  HWND Bar() const { return dlg->m_bar.m_hWnd; }
  void ClickButton(int button) {
    Click(Bar(), Center(dlg->m_bar.GetButtonRect(button)));
    Pump();
  }
  size_t Inserted() const { return dlg->Notes(LVN_SETDISPINFOA, GridRowInserted).size(); }
};

TEST_F(GridTest, AddRowReportsTheRowItInserted) {
  dlg->m_grid.AddRow(-1);
  dlg->m_grid.AddRow(99);
  dlg->m_grid.AddRow(0);
  const auto notes = dlg->Notes(LVN_SETDISPINFOA, GridRowInserted);
  ASSERT_EQ(notes.size(), 3u);
  EXPECT_EQ(notes[0].item, 3);
  EXPECT_EQ(notes[0].subItem, -1);
  EXPECT_FALSE(notes[0].hasText);
  EXPECT_EQ(notes[1].item, 4);
  EXPECT_EQ(notes[2].item, 0);
  EXPECT_EQ(dlg->m_grid.GetItemCount(), 6);
  EXPECT_EQ(Text(0, 1), "");
}

TEST_F(GridTest, DeleteRowReportsOnlyARowThatExisted) {
  dlg->m_grid.DeleteRow(-1);
  dlg->m_grid.DeleteRow(3);
  EXPECT_TRUE(dlg->Notes(LVN_SETDISPINFOA, GridRowDeleted).empty());
  EXPECT_EQ(dlg->m_grid.GetItemCount(), 3);
  dlg->m_grid.DeleteRow(1);
  const auto notes = dlg->Notes(LVN_SETDISPINFOA, GridRowDeleted);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].item, 1);
  EXPECT_EQ(notes[0].subItem, -1);
  EXPECT_EQ(Text(1, 1), "2,1");
}

TEST_F(GridTest, MovingARowSwapsTextsAndDataKeepsItTheOnlySelectedRowAndReportsIt) {
  dlg->m_grid.SetItemData(0, 100);
  dlg->m_grid.SetItemData(1, 101);
  dlg->m_grid.SelectRow(0);
  dlg->m_grid.MoveRowDown(0);
  EXPECT_EQ(Text(0, 5), "1,5");
  EXPECT_EQ(Text(1, 5), "0,5");
  EXPECT_EQ(dlg->m_grid.GetItemData(1), 100u);
  EXPECT_EQ(dlg->m_grid.GetSelectedRow(), 1);
  EXPECT_EQ(dlg->m_grid.SendMessage(LVM_GETSELECTEDCOUNT), 1);
  dlg->m_grid.MoveRowUp(1);
  EXPECT_EQ(Text(0, 5), "0,5");
  dlg->m_grid.MoveRowUp(0);    // first row: stays
  dlg->m_grid.MoveRowDown(2);  // last row: stays
  EXPECT_EQ(Text(2, 5), "2,5");
  const auto notes = dlg->Notes(LVN_SETDISPINFOA, GridRowMoved);
  ASSERT_EQ(notes.size(), 2u);  // the two moves, sent while they happened
  EXPECT_EQ(notes[0].item, 0);
  EXPECT_EQ(notes[0].lParam, 1);
  EXPECT_EQ(notes[0].subItem, -1);
  EXPECT_EQ(notes[1].item, 1);
  EXPECT_EQ(notes[1].lParam, 0);
}

TEST_F(GridBarTest, NewRowButtonAppendsRowsUpToEight) {
  Open(7);
  ClickButton(0);
  EXPECT_EQ(dlg->m_grid.GetItemCount(), 8);
  ASSERT_EQ(Inserted(), 1u);
  EXPECT_EQ(dlg->Notes(LVN_SETDISPINFOA, GridRowInserted)[0].item, 7);
  ClickButton(0);
  EXPECT_EQ(dlg->m_grid.GetItemCount(), 8);
  EXPECT_EQ(Inserted(), 1u);
}

TEST_F(GridBarTest, DeleteButtonSelectsTheNeighbourOfTheDeletedRow) {
  ClickButton(1);  // nothing selected: nothing deleted
  EXPECT_EQ(dlg->m_grid.GetItemCount(), 3);
  ClickCell(2, 0);
  ClickButton(1);  // the last row: the new last row is selected
  EXPECT_EQ(dlg->m_grid.GetItemCount(), 2);
  EXPECT_EQ(dlg->m_grid.GetSelectedRow(), 1);
  ClickCell(0, 0);
  ClickButton(1);  // a row with rows after it: the next row takes its place and is selected
  EXPECT_EQ(dlg->m_grid.GetItemCount(), 1);
  EXPECT_EQ(dlg->m_grid.GetSelectedRow(), 0);
  EXPECT_EQ(Text(0, 1), "1,1");
  ClickButton(1);  // the only row: nothing left to select
  EXPECT_EQ(dlg->m_grid.GetItemCount(), 0);
  EXPECT_EQ(dlg->m_grid.GetSelectedRow(), -1);
  EXPECT_EQ(dlg->Notes(LVN_SETDISPINFOA, GridRowDeleted).size(), 3u);
}

TEST_F(GridBarTest, AClickNeedsPressAndReleaseOnTheSameButton) {
  MouseDown(Bar(), Center(dlg->m_bar.GetButtonRect(0)));
  Pump();
  EXPECT_TRUE(dlg->m_bar.IsPressed());
  EXPECT_EQ(dlg->m_bar.GetHotButton(), 0);
  MouseMove(Bar(), Center(dlg->m_bar.GetButtonRect(1)));  // the hot button does not follow
  Pump();
  EXPECT_EQ(dlg->m_bar.GetHotButton(), 0);
  MouseUp(Grid(), CellPoint(1, 3));
  Pump();
  EXPECT_FALSE(dlg->m_bar.IsPressed());
  EXPECT_EQ(dlg->m_grid.GetItemCount(), 3);

  MouseDown(Bar(), POINT{10, 7});  // on the caption, released over a button: no click
  MouseUp(Bar(), Center(dlg->m_bar.GetButtonRect(0)));
  Pump();
  EXPECT_EQ(dlg->m_grid.GetItemCount(), 3);
  EXPECT_EQ(Inserted(), 0u);
}

TEST_F(GridBarTest, ButtonsShowHoverAndPressAndNameThemselvesInTooltips) {
  const RECT button = dlg->m_bar.GetButtonRect(2);
  auto corner = [&] {  // the top-left pixel of button 2 as the bar paints it
    CDibCapture bar(Bar(), false);
    return bar.At(button.left, button.top);
  };
  EXPECT_EQ(corner(), ::GetSysColor(COLOR_BTNFACE));  // the strip's grey follows the system
  MouseMove(Bar(), Center(button));
  Pump();
  EXPECT_EQ(dlg->m_bar.GetHotButton(), 2);
  EXPECT_EQ(corner(), ::GetSysColor(COLOR_BTNHIGHLIGHT));  // raised
  MouseDown(Bar(), Center(button));
  Pump();
  EXPECT_EQ(corner(), ::GetSysColor(COLOR_BTNSHADOW));  // sunken
  MouseUp(Bar(), Center(button));
  Pump();
  EXPECT_EQ(dlg->m_grid.GetItemCount(), 3);  // "Move Up" gives feedback only

  CDibCapture bar(Bar(), false);  // the cross of button 1 is red
  const RECT del = dlg->m_bar.GetButtonRect(1);
  EXPECT_GT(bar.CountColor(del, RGB(255, 0, 0)), 20);

  const char* expected[] = {"新建标注", "删除标注", "Move Up", "Move Down"};
  for (int id = 1; id <= 4; ++id) {
    char text[80] = "";
    TTTOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = Bar();
    tool.uId = static_cast<UINT_PTR>(id);
    tool.lpszText = text;
    ::SendMessageA(dlg->m_bar.GetToolTip(), TTM_GETTEXTA, sizeof text,
                   reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, expected[id - 1]) << id;
  }
}

}  // namespace
