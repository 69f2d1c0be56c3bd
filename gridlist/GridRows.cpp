#include "GridRows.h"

void CGridRows::Add(int index) {
  const int count = m_list.RowCount();
  if (index < 0 || index >= count) index = count;
  const int row = m_list.InsertRow(index);
  if (row < 0) return;  // nothing inserted, nothing to report
  m_list.ReportInserted(row);
}

void CGridRows::Delete(int row) {
  if (!IsRow(row) || !m_list.RemoveRow(row)) return;
  m_list.ReportDeleted(row);
}

void CGridRows::Swap(int a, int b) {
  if (!IsRow(a) || !IsRow(b) || a == b) return;
  for (int column = 0, columns = m_list.ColumnCount(); column < columns; ++column) {
    const CString textA = m_list.RowText(a, column);
    m_list.SetRowText(a, column, m_list.RowText(b, column));
    m_list.SetRowText(b, column, textA);
  }
  const std::uintptr_t dataA = m_list.RowData(a);
  m_list.SetRowData(a, m_list.RowData(b));
  m_list.SetRowData(b, dataA);
}

void CGridRows::Move(int row, int step) {
  const int to = row + step;
  if ((step != -1 && step != 1) || !IsRow(row) || !IsRow(to)) return;
  Swap(row, to);
  // The selection goes with the row, so that the next move takes the same row further.
  m_list.MarkRow(row, false);
  m_list.MarkRow(to, true);
  m_list.ReportMoved(row, to);
}

bool CGridRows::AppendBelow(int limit) {
  if (m_list.RowCount() >= limit) return false;
  Add(-1);
  return true;
}

void CGridRows::DeleteSelectingNeighbour(int row) {
  Delete(row);
  if (row >= m_list.RowCount()) row -= 1;
  if (row < 0) return;
  m_list.SelectRow(row);
}
