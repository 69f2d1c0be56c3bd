// CGridRows: the grid's row operations - add, delete, swap and move rows - and the two the button
// bar offers (a new row up to a limit, a delete that selects the deleted row's neighbour).
//
// It decides which row each operation touches and what the grid's parent is told; the list that
// shows the rows (CGridRows::List, the grid's list-view) does the work.  It holds only a
// reference to that list and is made where it is used.
#pragma once

#include <cstdint>

#include "CString.h"

class CGridRows {
 public:
  // What the operations need of the list that shows the rows.
  class List {
   public:
    virtual int RowCount() const = 0;
    virtual int ColumnCount() const = 0;
    // Inserts a row with empty texts at index; the row it became, -1 when none was inserted.
    virtual int InsertRow(int index) = 0;
    virtual bool RemoveRow(int row) = 0;
    virtual CString RowText(int row, int column) const = 0;
    virtual void SetRowText(int row, int column, const CString& text) = 0;
    virtual std::uintptr_t RowData(int row) const = 0;
    virtual void SetRowData(int row, std::uintptr_t data) = 0;
    // Gives the row the selected state (other rows keep theirs).
    virtual void SelectRow(int row) = 0;
    // Gives the row the selected and focused states, or takes both away; scrolls it into view.
    virtual void MarkRow(int row, bool marked) = 0;
    // Tells the parent (GridRowInserted, GridRowDeleted, GridRowMoved).
    virtual void ReportInserted(int row) = 0;
    virtual void ReportDeleted(int row) = 0;
    virtual void ReportMoved(int from, int to) = 0;

   protected:
    ~List() = default;
  };

  explicit CGridRows(List& list) : m_list(list) {}

  // Inserts an empty row at index (-1, or any index not below the row count, appends) and
  // reports the row it became.
  void Add(int index);
  // Deletes the row and reports it; a row that does not exist is neither deleted nor reported.
  void Delete(int row);
  // Exchanges the texts of every column and the data of two different existing rows.
  void Swap(int a, int b);
  // Moves the row one place up (step -1) or down (+1), nothing past the first or last row: the
  // two rows trade places, the moved row becomes the only marked one, and the parent is told.
  void Move(int row, int step);

  // Appends a row while the list has fewer than `limit` rows; true when it did.
  bool AppendBelow(int limit);
  // Deletes an existing row, then selects the row that took its place, or the new last row when
  // it was the last; nothing when no row is left.
  void DeleteSelectingNeighbour(int row);

 private:
  bool IsRow(int row) const { return row >= 0 && row < m_list.RowCount(); }

  List& m_list;
};
