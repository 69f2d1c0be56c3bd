// The configuration window's grid as its model sees it: rows of ten text cells, in the columns of
// LabelColumn, and the position code attached to each row.  The grid itself adds, deletes and
// moves rows and keeps what the user types, and reports each of these to the model; the model
// writes every other text the rows show.  The window answers it from its grid list control,
// tests from memory.  Nothing is owned across the interface.
#pragma once

#include <string>

namespace vjd::annotation {

class ILabelGridView {
 public:
  virtual ~ILabelGridView() = default;
  virtual int RowCount() const = 0;
  virtual void DeleteAllRows() = 0;
  // A new row at `row` showing `number` in its first cell, the other cells empty.
  virtual void InsertRow(int row, const std::string& number) = 0;
  virtual void SetCellText(int row, int column, const std::string& text) = 0;
  virtual void SetRowCode(int row, int code) = 0;
};

}  // namespace vjd::annotation
