// The button bar under real mouse input: its clicks reach the grid, hover and press are painted
// and the tooltips ask it for their texts.
#include <gtest/gtest.h>

#include "GridTestDlg.h"

namespace {

class GridBarTest : public GridTest {
 protected:
  HWND Bar() const { return dlg->m_bar.m_hWnd; }
  void ClickButton(int button) {
    Click(Bar(), Centre(dlg->m_bar.GetButtonRect(button)));
    Pump();
  }
  size_t Inserted() const { return dlg->Notes(LVN_SETDISPINFOA, GridRowInserted).size(); }
};

TEST_F(GridBarTest, ClicksOnTheButtonsAddAndDeleteRows) {
  ClickButton(0);
  EXPECT_EQ(dlg->m_grid.GetItemCount(), 4);
  ASSERT_EQ(Inserted(), 1u);
  EXPECT_EQ(dlg->Notes(LVN_SETDISPINFOA, GridRowInserted)[0].item, 3);
  ClickCell(3, 0);
  ClickButton(1);
  EXPECT_EQ(dlg->m_grid.GetItemCount(), 3);
  EXPECT_EQ(dlg->m_grid.GetSelectedRow(), 2);
}

TEST_F(GridBarTest, ButtonsShowHoverAndPressAndNameThemselvesInTooltips) {
  const RECT button = dlg->m_bar.GetButtonRect(2);
  auto corner = [&] {  // the top-left pixel of button 2 as the bar paints it
    CDibCapture bar(Bar(), false);
    return bar.At(button.left, button.top);
  };
  EXPECT_EQ(corner(), ::GetSysColor(COLOR_BTNFACE));  // the strip's grey follows the system
  EXPECT_EQ(dlg->m_bar.GetToolTip(), nullptr);        // no tooltip window before the pointer came
  // A tooltip's delays follow the double-click time, which these tests keep at 1 ms; the usual
  // 500 ms shows the tip after half a second and keeps it five.
  ::SetDoubleClickTime(500);
  struct Restore {
    ~Restore() { ::SetDoubleClickTime(1); }
  } restore;
  MouseMove(Bar(), Centre(button));
  Pump();
  EXPECT_EQ(dlg->m_bar.GetHotButton(), 2);
  EXPECT_EQ(corner(), ::GetSysColor(COLOR_BTNHIGHLIGHT));  // raised

  const HWND tip = dlg->m_bar.GetToolTip();  // the pointer rests: the button's tooltip comes up
  ASSERT_NE(tip, nullptr);
  for (DWORD start = ::GetTickCount(); !::IsWindowVisible(tip) && ::GetTickCount() - start < 5000;)
    Pump();
  EXPECT_TRUE(::IsWindowVisible(tip));
  TTTOOLINFOA current = {};
  current.cbSize = sizeof current;
  ASSERT_TRUE(::SendMessageA(tip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&current)));
  EXPECT_EQ(current.uId, 3u);

  MouseDown(Bar(), Centre(button));
  Pump();
  EXPECT_EQ(corner(), ::GetSysColor(COLOR_BTNSHADOW));  // sunken
  MouseUp(Bar(), Centre(button));
  Pump();
  EXPECT_EQ(dlg->m_grid.GetItemCount(), 3);  // "Move Up" gives feedback only
  for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < 1000;) Pump();
  EXPECT_FALSE(::IsWindowVisible(tip)) << "the click put the tooltip away while the pointer rests";

  CDibCapture bar(Bar(), false);  // the cross of button 1 is red
  const RECT del = dlg->m_bar.GetButtonRect(1);
  EXPECT_GT(bar.CountColor(del, RGB(255, 0, 0)), 20);

  char text[80] = "";  // the tooltip asks the bar for its text
  TTTOOLINFOA tool = {};
  tool.cbSize = sizeof tool;
  tool.hwnd = Bar();
  tool.uId = 2;
  tool.lpszText = text;
  ::SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, "删除标注");
}

}  // namespace
