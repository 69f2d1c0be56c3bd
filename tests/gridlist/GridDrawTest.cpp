// How the grid paints: its client area printed into a bitmap and checked pixel by pixel.
#include <gtest/gtest.h>

#include <cstdlib>

#include "GridCustomDraw.h"
#include "GridTestDlg.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kPaleYellow = RGB(255, 255, 220);
constexpr COLORREF kPaleMagenta = RGB(255, 180, 255);
constexpr COLORREF kPaleBlue = RGB(200, 200, 255);
static_assert(CGridCustomDraw::kTextColor == kBlue, "");
static_assert(CGridCustomDraw::kTextBkColor == kPaleYellow, "");
static_assert(CGridCustomDraw::kFocusCellColor == kPaleMagenta, "");
static_assert(CGridCustomDraw::kSelectedReadOnlyColor == kPaleBlue, "");

class GridDrawTest : public GridTest {
 protected:
  RECT Cell(int row, int column) const {
    RECT cell = {};
    dlg->m_grid.GetCellRect(row, column, &cell);
    return cell;
  }
  // Pixels of blue text in the cell: pure blue, or blue blended with the cell's ground where the
  // font is drawn smoothed (blue clearly above red and green).
  static int BlueInk(const CDibCapture& dib, const RECT& cell) {
    int count = 0;
    for (int y = cell.top; y < cell.bottom; ++y) {
      for (int x = cell.left; x < cell.right; ++x) {
        const COLORREF c = dib.At(x, y);
        const int blue = GetBValue(c);
        if (blue >= 200 && GetRValue(c) + 60 <= blue && GetGValue(c) + 60 <= blue) ++count;
      }
    }
    return count;
  }
  // The share of the cell's pixels (inside its frame) that have the colour, in percent.
  static int Share(const CDibCapture& dib, RECT cell, COLORREF color) {
    ::InflateRect(&cell, -1, -1);
    const int area = (cell.right - cell.left) * (cell.bottom - cell.top);
    return area > 0 ? 100 * dib.CountColor(cell, color) / area : 0;
  }
};

TEST_F(GridDrawTest, CellsFocusCellAndReadOnlyCellsHaveTheirColours) {
  ClickCell(1, 4);  // row 1 selected and focused, current column 4
  Press(VK_ESCAPE);
  CDibCapture dib(Grid(), false);

  EXPECT_GT(Share(dib, Cell(0, 1), kPaleYellow), 60);  // a normal cell: blue on pale yellow
  EXPECT_GT(BlueInk(dib, Cell(0, 1)), 5);
  EXPECT_GT(Share(dib, Cell(1, 4), kPaleMagenta), 60);  // the focus cell
  EXPECT_EQ(Share(dib, Cell(0, 4), kPaleMagenta), 0);
  EXPECT_GT(BlueInk(dib, Cell(1, 4)), 5);
  EXPECT_GT(Share(dib, Cell(1, 3), kPaleBlue), 60);  // read-only cell of the selected row
  EXPECT_GT(Share(dib, Cell(0, 3), ::GetSysColor(COLOR_BTNFACE)), 60);  // a grey button
  const RECT ro = Cell(1, 3);
  EXPECT_EQ(dib.At(ro.right - 1, ro.bottom - 1), ::GetSysColor(COLOR_BTNSHADOW));
}

// Not a check: leaves a picture of the test dialog for a person (see screenshot.sh).
TEST_F(GridDrawTest, SavesAScreenshotOfTheDialogWhenAsked) {
  const char* path = std::getenv("VJD_GRID_SCREENSHOT");
  if (!path) GTEST_SKIP() << "VJD_GRID_SCREENSHOT not set";
  const char* rows[3][10] = {
      {"0", "a", "是", "右上", "0.003", "0.0015", "是", "0", "0", "0"},
      {"1", "b", "否", "左下", "0.003", "0.0015", "否", "90", "255", "0"},
      {"2", "型号", "是", "正中间", "0.004", "0.002", "是", "0", "0", "16777215"}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 10; ++c) dlg->m_grid.SetItemText(r, c, rows[r][c]);
  dlg->m_bar.SetWindowText("QF 的标注:");
  ClickCell(1, 4);
  Press(VK_ESCAPE);
  MouseMove(dlg->m_bar.m_hWnd, POINT{dlg->m_bar.GetButtonRect(0).left + 5, 8});
  ClickCell(2, 2);  // the combo editor open on "是"
  ::RedrawWindow(CGridTestDlg::Host(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  Pump();
  CDibCapture shot(CGridTestDlg::Host(), true);
  ASSERT_TRUE(shot.SavePng(path));
}

}  // namespace
