#include "GridGeometry.h"

#include <commctrl.h>

namespace {

// An editor narrower than this is not placed.
constexpr int kMinEditorWidth = 5;

}  // namespace

std::vector<int> CGridGeometry::OrderArray() const {
  const int count = m_list.GetColumnCount();
  std::vector<int> order(count > 0 ? count : 0);
  if (count > 0 && !m_list.GetColumnOrderArray(order.data(), count)) {
    for (int i = 0; i < count; ++i) order[i] = i;
  }
  return order;
}

int CGridGeometry::ColumnAt(int position) const {
  if (position < 0 || position >= m_list.GetColumnCount()) return -1;
  return static_cast<int>(::SendMessageA(reinterpret_cast<HWND>(m_list.SendMessage(LVM_GETHEADER)),
                                         HDM_ORDERTOINDEX, static_cast<WPARAM>(position), 0));
}

int CGridGeometry::PositionOf(int column) const {
  const std::vector<int> order = OrderArray();
  for (size_t i = 0; i < order.size(); ++i)
    if (order[i] == column) return static_cast<int>(i);
  return -1;
}

int CGridGeometry::ColumnOffset(int column) const {
  int offset = 0;
  for (int shown : OrderArray()) {
    if (shown == column) break;
    offset += m_list.GetColumnWidth(shown);
  }
  return offset;
}

BOOL CGridGeometry::CellRect(int row, int column, RECT* pRect) const {
  if (!pRect || column < 0 || column >= m_list.GetColumnCount() || row < 0 ||
      row >= m_list.GetItemCount())
    return FALSE;
  const int offset = ColumnOffset(column);
  const int width = m_list.GetColumnWidth(column);
  RECT bounds = {};
  m_list.GetItemRect(row, &bounds, LVIR_BOUNDS);
  *pRect = RECT{bounds.left + offset, bounds.top, bounds.left + offset + width, bounds.bottom};
  if (column == 0) {
    RECT label = {};
    if (m_list.GetItemRect(row, &label, LVIR_LABEL)) pRect->left = label.left;
  }
  return TRUE;
}

void ShowGridColumn(CListCtrl& list, int column) {
  if (column < 0 || column >= list.GetColumnCount() || list.GetItemCount() == 0) return;
  const int offset = CGridGeometry(list).ColumnOffset(column);
  const int width = list.GetColumnWidth(column);
  RECT first = {}, client = {};
  list.GetItemRect(0, &first, LVIR_BOUNDS);
  list.GetClientRect(&client);
  if (offset + first.left < 0 || offset + width + first.left > client.right)
    list.Scroll(SIZE{offset + first.left, 0});
}

BOOL PlaceOverGridCell(CListCtrl& list, CWnd& editor, int row, int column) {
  if (!editor.m_hWnd) return FALSE;
  if (row < 0) row = 0;
  if (!list.EnsureVisible(row, TRUE)) return FALSE;
  if (column < 0 || column >= list.GetColumnCount()) return FALSE;
  const int width = list.GetColumnWidth(column);
  if (width < kMinEditorWidth) return FALSE;
  const int offset = CGridGeometry(list).ColumnOffset(column);
  RECT r = {}, client = {};
  list.GetItemRect(row, &r, LVIR_BOUNDS);
  list.GetClientRect(&client);
  if (offset + r.left < 0 || offset + width + r.left > client.right) {
    const int dx = offset + r.left;
    list.Scroll(SIZE{dx, 0});
    r.left -= dx;
  }
  r.left += offset;
  r.right = r.left + width;
  if (r.right > client.right) r.right = client.right;
  editor.MoveWindow(&r, TRUE);
  return TRUE;
}
