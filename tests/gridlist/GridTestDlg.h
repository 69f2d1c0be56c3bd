// CGridTestDlg: a modeless child dialog (in one top-level host window) that sets up the grid and
// its button bar exactly as the configuration window does (ten columns, read-only columns 0, 3, 8
// and 9, of which 3, 8 and 9 are chosen by the parent, combo boxes in columns 2 and 6 offering "是"
// and "否"), fills rows, and records every notification that reaches it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Dialog.h"
#include "GridButtonBar.h"
#include "GridTestKit.h"
#include "Gridlistctrl.h"

struct GridNote {
  UINT code;
  UINT mask;
  int item;
  int subItem;
  std::string text;
  bool hasText;
  LPARAM lParam;
};

class CGridTestDlg : public CDialog {
 public:
  // Creates and shows the dialog with `rows` rows; cell (r, c) reads "r,c".
  explicit CGridTestDlg(int rows = 3);
  ~CGridTestDlg() override;
  // The top-level window around the dialog (made once, kept for the whole run).
  static HWND Host();

  // Notifications of one kind (LVN_SETDISPINFOA with this mask, or NM_CLICK with mask 0).
  std::vector<GridNote> Notes(UINT code, UINT mask = 0) const;

  CGridListCtrl m_grid;
  CGridButtonBar m_bar;
  std::vector<GridNote> m_notes;
  // How often Enter or Esc reached the dialog (as its default button or its cancel): never, when
  // the grid and its editors keep them; they do not end the test dialog.
  int m_nOK = 0;
  int m_nCancel = 0;
  // Runs for every NM_CLICK that reaches the dialog, after it was recorded (as the configuration
  // window opens its modal windows there).
  std::function<void(const NMITEMACTIVATE&)> m_onClick;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override { ++m_nOK; }
  void OnCancel() override { ++m_nCancel; }
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

 private:
  int m_nRows;
};

#include <gtest/gtest.h>

#include <memory>

// A fresh test dialog per test, with helpers addressing cells by row and column index.
class GridTest : public ::testing::Test {
 protected:
  void SetUp() override { Open(3); }
  void TearDown() override {
    dlg.reset();
    Pump();
  }
  void Open(int rows);
  HWND Grid() const { return dlg->m_grid.m_hWnd; }
  POINT CellPoint(int row, int column) const;
  void ClickCell(int row, int column);
  void Press(WORD vk, bool ctrl = false);
  CString Text(int row, int column) const { return dlg->m_grid.GetItemText(row, column); }
  size_t Changes() const { return dlg->Notes(LVN_SETDISPINFOA, GridCellChanged).size(); }

  std::unique_ptr<CGridTestDlg> dlg;
};
