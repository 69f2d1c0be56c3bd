// CGridGeometry: where the cells of the grid list control are.  Columns may be dragged into a new
// order: column indexes never change, display positions do, and the mapping is read from the
// header each time it is needed.  The geometry only reads the list it measures; beside it, the two
// operations that move the list: showing a column and placing an in-place editor over a cell.
// Used by the grid, its painter and its editor kinds alike, so none of them needs the others.
#pragma once

#include <windows.h>

#include <vector>

#include "ListCtrl.h"

class CGridGeometry {
 public:
  explicit CGridGeometry(const CListCtrl& list) : m_list(list) {}

  // The column index shown at each display position (0, 1, ... when the header cannot say).
  std::vector<int> OrderArray() const;
  // Column index versus display position; -1 when out of range.
  int ColumnAt(int position) const;
  int PositionOf(int column) const;
  // Sum of the widths of the columns shown left of the column.
  int ColumnOffset(int column) const;
  // The cell's rectangle in client coordinates (column 0 without the icon area); FALSE for a row
  // or column out of range or a null rectangle.
  BOOL CellRect(int row, int column, RECT* pRect) const;

 private:
  const CListCtrl& m_list;
};

// Scrolls horizontally so that the column is shown; nothing for a bad column or an empty list.
void ShowGridColumn(CListCtrl& list, int column);

// Moves an editor window over the cell, scrolling the cell into view first.  FALSE (nothing
// moved) without an editor window, for a column out of range or narrower than 5 pixels.
BOOL PlaceOverGridCell(CListCtrl& list, CWnd& editor, int row, int column);
