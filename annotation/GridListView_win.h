// CGridListView: the configuration window's grid list control as its model's grid view (rows of
// text cells, the position code as each row's data).  Borrows the grid; owns nothing.
#pragma once

#include <string>

#include "Gridlistctrl.h"
#include "LabelGridView.h"

class CGridListView : public vjd::annotation::ILabelGridView {
 public:
  explicit CGridListView(CGridListCtrl& grid) : m_grid(grid) {}

  int RowCount() const override { return m_grid.m_hWnd ? m_grid.GetItemCount() : 0; }
  void DeleteAllRows() override { m_grid.DeleteAllItems(); }
  void InsertRow(int row, const std::string& number) override {
    m_grid.InsertItem(row, number.c_str());
  }
  void SetCellText(int row, int column, const std::string& text) override {
    m_grid.SetItemText(row, column, text.c_str());
  }
  // The code travels as the row's data, a negative one in its 32 bits.
  void SetRowCode(int row, int code) override {
    m_grid.SetItemData(row, static_cast<DWORD_PTR>(static_cast<unsigned>(code)));
  }

 private:
  CGridListCtrl& m_grid;
};
