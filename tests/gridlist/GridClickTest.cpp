// A slow click under Wine: the button goes down on a cell whose click opens a modal window (the
// position window, the colour chooser), and comes up only while that window is open.  The list-
// view reports that click once more when the button comes up; the parent must still hear of it
// once.  The modal window is real (the framework's modal loop, no seam answering it).
#include <gtest/gtest.h>

#include "GridTestDlg.h"
#include "GridTestDlgIds.h"
#include "GridTestKit.h"

namespace {

// A modal window away from the grid that, once open, releases the button over the grid cell
// where it went down (unless it is up already), and closes itself a little later.
class CHoldingDlg : public CDialog {
 public:
  CHoldingDlg(HWND grid, POINT cell, bool& released)
      : CDialog(IDD_GRIDTEST_MODAL), m_hGrid(grid), m_cell(cell), m_bReleased(released) {}

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    ::SetWindowPos(m_hWnd, nullptr, 600, 500, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetTimer(m_hWnd, 1, 40, nullptr);
    return TRUE;
  }
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    if (message != WM_TIMER) return CDialog::OnWndMsg(message, wParam, lParam, pResult);
    ++m_ticks;
    if (m_ticks == 1 && !m_bReleased) {
      MouseUp(m_hGrid, m_cell);
      m_bReleased = true;
    }
    if (m_ticks == 8) EndDialog(IDCANCEL);  // the button-up had time to arrive
    return TRUE;
  }

 private:
  HWND m_hGrid;
  POINT m_cell;
  bool& m_bReleased;
  int m_ticks = 0;
};

TEST_F(GridTest, AClickReleasedInsideTheModalWindowItOpensIsReportedOnce) {
  for (int column : {3, 8, 9}) {  // the position column and the two colour columns
    SCOPED_TRACE(column);
    Open(3);
    int modalRuns = 0;
    bool released = false;
    dlg->m_onClick = [this, &modalRuns, &released](const NMITEMACTIVATE& info) {
      ++modalRuns;
      CHoldingDlg(Grid(), CellPoint(info.iItem, info.iSubItem), released).DoModal();
    };
    MouseDown(Grid(), CellPoint(1, column));
    Pump(200);
    EXPECT_EQ(modalRuns, 1);
    EXPECT_EQ(dlg->Notes(NM_CLICK).size(), 1u);
    dlg->m_onClick = nullptr;
    ClickCell(2, column);  // the next click is heard again
    EXPECT_EQ(dlg->Notes(NM_CLICK).size(), 2u);
  }
}

}  // namespace
