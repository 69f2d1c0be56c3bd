#include "Gridlistctrl.h"

#include "GridCellCombo.h"
#include "GridCellEdit.h"

namespace {

// Style of the edit-box editor: a visible bordered multi-line child scrolling vertically.
constexpr DWORD kEditBoxStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL;
static_assert(kEditBoxStyle == 0x50800044, "edit-box editor style");

// An editor narrower than this is not placed.
constexpr int kMinEditorWidth = 5;

}  // namespace

CGridListCtrl::CGridListCtrl()
    : m_nCurColumn(-1), m_pEditor(nullptr), m_nEditRow(-1), m_nEditColumn(-1), m_draw(*this) {}

CGridListCtrl::~CGridListCtrl() {
  if (m_hWnd && ::IsWindow(m_hWnd)) DestroyEditor();
  if (m_pEditor && !m_pEditor->m_hWnd) delete m_pEditor;  // never created: nothing runs in it
  m_pEditor = nullptr;
}

BOOL CGridListCtrl::InitGrid() {
  DWORD style = GetStyle();
  style &= ~(LVS_TYPEMASK | LVS_EDITLABELS);
  style |= LVS_REPORT;
  ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(style));
  constexpr DWORD kExtended = LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP;
  static_assert(kExtended == 0x30, "grid extended styles");
  SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, kExtended, kExtended);
  return TRUE;
}

int CGridListCtrl::SetReadOnlyColumnCount(int count) {
  return m_rules.SetReadOnlyColumnCount(count);
}

void CGridListCtrl::SetColumnReadOnly(int column, BOOL readOnly) {
  m_rules.SetColumnReadOnly(column, readOnly != FALSE);
}

void CGridListCtrl::SetColumnEditor(int column, int kind) {
  m_rules.SetColumnEditor(column, kind, GetColumnCount());
}

int CGridListCtrl::GetColumnEditor(int column) {
  return m_rules.GetColumnEditor(column, GetColumnCount());
}

void CGridListCtrl::SetColumnOptions(const CStringArray& options) {
  m_rules.SetColumnOptions(options);
}

std::vector<int> CGridListCtrl::GetOrderArray() const {
  const int count = GetColumnCount();
  std::vector<int> order(count > 0 ? count : 0);
  if (count > 0 && !GetColumnOrderArray(order.data(), count)) {
    for (int i = 0; i < count; ++i) order[i] = i;
  }
  return order;
}

int CGridListCtrl::GetColumnAtPosition(int position) const {
  if (position < 0 || position >= GetColumnCount()) return -1;
  return static_cast<int>(::SendMessageA(reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)),
                                         HDM_ORDERTOINDEX, static_cast<WPARAM>(position), 0));
}

int CGridListCtrl::GetPositionOfColumn(int column) const {
  const std::vector<int> order = GetOrderArray();
  for (size_t i = 0; i < order.size(); ++i)
    if (order[i] == column) return static_cast<int>(i);
  return -1;
}

int CGridListCtrl::GetColumnOffset(int column) const {
  int offset = 0;
  for (int shown : GetOrderArray()) {
    if (shown == column) break;
    offset += GetColumnWidth(shown);
  }
  return offset;
}

BOOL CGridListCtrl::GetCellRect(int row, int column, RECT* pRect) const {
  if (!pRect || column < 0 || column >= GetColumnCount() || row < 0 || row >= GetItemCount())
    return FALSE;
  const int offset = GetColumnOffset(column);
  const int width = GetColumnWidth(column);
  RECT bounds = {};
  GetItemRect(row, &bounds, LVIR_BOUNDS);
  *pRect = RECT{bounds.left + offset, bounds.top, bounds.left + offset + width, bounds.bottom};
  if (column == 0) {
    RECT label = {};
    if (GetItemRect(row, &label, LVIR_LABEL)) pRect->left = label.left;
  }
  return TRUE;
}

void CGridListCtrl::MakeColumnVisible(int column) {
  if (column < 0 || column >= GetColumnCount() || GetItemCount() == 0) return;
  const int offset = GetColumnOffset(column);
  const int width = GetColumnWidth(column);
  RECT first = {}, client = {};
  GetItemRect(0, &first, LVIR_BOUNDS);
  GetClientRect(&client);
  if (offset + first.left < 0 || offset + width + first.left > client.right)
    Scroll(SIZE{offset + first.left, 0});
}

void CGridListCtrl::AddRow(int index) {
  const int count = GetItemCount();
  if (index < 0 || index >= count) index = count;
  const int row = InsertItem(index, "");
  if (row < 0) return;  // nothing inserted, nothing to report
  SendDispInfo(LVN_SETDISPINFOA, GridRowInserted, row, -1, nullptr, 0);
}

void CGridListCtrl::DeleteRow(int row) {
  if (row < 0 || row >= GetItemCount() || !DeleteItem(row)) return;
  SendDispInfo(LVN_SETDISPINFOA, GridRowDeleted, row, -1, nullptr, 0);
}

void CGridListCtrl::SelectRow(int row) {
  SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
}

int CGridListCtrl::GetSelectedRow() const {
  return GetNextItem(-1, LVNI_SELECTED);
}

void CGridListCtrl::SwapRows(int a, int b) {
  const int rows = GetItemCount();
  if (a < 0 || b < 0 || a >= rows || b >= rows || a == b) return;
  const int columns = GetColumnCount();
  for (int column = 0; column < columns; ++column) {
    const CString textA = GetItemText(a, column);
    SetItemText(a, column, GetItemText(b, column));
    SetItemText(b, column, textA);
  }
  const DWORD_PTR dataA = GetItemData(a);
  SetItemData(a, GetItemData(b));
  SetItemData(b, dataA);
}

void CGridListCtrl::MoveRowUp(int row) {
  if (row <= 0 || row >= GetItemCount()) return;
  MoveRow(row, row - 1);
}

void CGridListCtrl::MoveRowDown(int row) {
  if (row < 0 || row >= GetItemCount() - 1) return;
  MoveRow(row, row + 1);
}

void CGridListCtrl::MoveRow(int from, int to) {
  SwapRows(from, to);
  // The selection goes with the row, so that the next move takes the same row further.
  constexpr UINT kMark = LVIS_SELECTED | LVIS_FOCUSED;
  SetItemState(from, 0, kMark);
  SetItemState(to, kMark, kMark);
  EnsureVisible(to, FALSE);
  SendDispInfo(LVN_SETDISPINFOA, GridRowMoved, from, -1, nullptr, 0, to);
}

BOOL CGridListCtrl::PlaceEditor(CWnd* pEditor, int row, int column) {
  if (!pEditor || !pEditor->m_hWnd) return FALSE;
  if (row < 0) row = 0;
  if (!EnsureVisible(row, TRUE)) return FALSE;
  if (column < 0 || column >= GetColumnCount()) return FALSE;
  const int width = GetColumnWidth(column);
  if (width < kMinEditorWidth) return FALSE;
  const int offset = GetColumnOffset(column);
  RECT r = {}, client = {};
  GetItemRect(row, &r, LVIR_BOUNDS);
  GetClientRect(&client);
  if (offset + r.left < 0 || offset + width + r.left > client.right) {
    const int dx = offset + r.left;
    Scroll(SIZE{dx, 0});
    r.left -= dx;
  }
  r.left += offset;
  r.right = r.left + width;
  if (r.right > client.right) r.right = client.right;
  pEditor->MoveWindow(&r, TRUE);
  return TRUE;
}

void CGridListCtrl::MoveCurrentColumn(int step) {
  const int last = GetColumnCount() - 1;
  const int position = m_nCurColumn + step;
  if (position < 0) {
    m_nCurColumn = 0;
    return;
  }
  if (position > last) {
    m_nCurColumn = last;
    return;
  }
  m_nCurColumn = position;
  MakeColumnVisible(GetColumnAtPosition(position));
  const int focused = GetNextItem(-1, LVNI_FOCUSED);
  if (focused != -1) {
    RECT bounds = {};
    GetItemRect(focused, &bounds, LVIR_BOUNDS);
    InvalidateRect(&bounds, TRUE);
  }
}

BOOL CGridListCtrl::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message != WM_KEYDOWN || ::GetFocus() != m_hWnd)
    return CListCtrl::PreTranslateMessage(pMsg);
  switch (pMsg->wParam) {
    case VK_LEFT:
      MoveCurrentColumn(-1);
      return TRUE;
    case VK_RIGHT:
      MoveCurrentColumn(+1);
      return TRUE;
    case VK_RETURN:
    case VK_F2: {
      const int focused = GetNextItem(-1, LVNI_FOCUSED);
      if (m_nCurColumn != -1 && focused != -1)
        RequestEdit(focused, GetColumnAtPosition(m_nCurColumn));
      return TRUE;
    }
  }
  return CListCtrl::PreTranslateMessage(pMsg);
}

BOOL CGridListCtrl::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case WM_LBUTTONDOWN:
      OnLButtonDown(lParam);
      return TRUE;
    case WM_HSCROLL:
    case WM_VSCROLL:
      OnScroll();
      return FALSE;  // then the list-view scrolls
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
  }
  return CListCtrl::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CGridListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    switch (header->code) {
      case LVN_BEGINLABELEDITA:
        *pResult = OnBeginLabelEdit(reinterpret_cast<NMLVDISPINFOA*>(lParam));
        return TRUE;
      case LVN_ENDLABELEDITA:
        *pResult = OnEndLabelEdit(reinterpret_cast<NMLVDISPINFOA*>(lParam));
        return TRUE;
      case NM_CUSTOMDRAW:
        *pResult = m_draw.OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
        return TRUE;
      case NM_CLICK:
        if (m_click == ClickReport::kPressing) m_click = ClickReport::kReported;
        if (m_click != ClickReport::kSentByGrid) return FALSE;  // on to the parent
        m_click = ClickReport::kNone;  // the parent heard of this click already
        *pResult = 0;
        return TRUE;
    }
  }
  return CListCtrl::OnChildNotify(message, wParam, lParam, pResult);
}

void CGridListCtrl::OnLButtonDown(LPARAM lParam) {
  LVHITTESTINFO hit = {};
  hit.pt.x = static_cast<short>(LOWORD(lParam));
  hit.pt.y = static_cast<short>(HIWORD(lParam));
  SubItemHitTest(&hit);
  m_nCurColumn = GetPositionOfColumn(hit.iSubItem);
  MakeColumnVisible(GetColumnAtPosition(m_nCurColumn));
  m_click = ClickReport::kPressing;
  Default();  // selects and focuses the row; may end an open edit on the way
  if (m_click == ClickReport::kPressing) {
    SendClick(hit);  // passes through the reflection above like the list-view's own report
    m_click = ClickReport::kSentByGrid;
  } else {
    m_click = ClickReport::kNone;
  }
  if (!m_hWnd || hit.iItem == -1) return;
  RECT bounds = {};
  GetItemRect(hit.iItem, &bounds, LVIR_BOUNDS);
  InvalidateRect(&bounds, TRUE);
  const bool focused = (GetItemState(hit.iItem, LVIS_FOCUSED) & LVIS_FOCUSED) != 0;
  if (focused && m_nCurColumn != -1 && (hit.iSubItem != 0 || (hit.flags & LVHT_ONITEMLABEL)))
    RequestEdit(hit.iItem, hit.iSubItem);
}

void CGridListCtrl::SendClick(const LVHITTESTINFO& hit) {
  NMITEMACTIVATE info = {};
  info.hdr.hwndFrom = m_hWnd;
  info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
  info.hdr.code = NM_CLICK;
  info.iItem = hit.iItem;
  info.iSubItem = hit.iSubItem;
  info.ptAction = hit.pt;
  ::SendMessageA(::GetParent(m_hWnd), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
}

void CGridListCtrl::OnScroll() {
  if (::GetFocus() != m_hWnd) SetFocus();  // ends an open edit
}

void CGridListCtrl::OnDestroy() {
  DestroyEditor();
}

void CGridListCtrl::RequestEdit(int row, int column) {
  const CString text = GetItemText(row, column);
  SendDispInfo(LVN_BEGINLABELEDITA, LVIF_TEXT, row, column, text, text.GetLength());
}

void SendGridNotify(HWND grid, HWND from, UINT_PTR idFrom, UINT code, UINT mask, int item,
                    int subItem, const char* text, int length, LPARAM lParam) {
  NMLVDISPINFOA info = {};
  info.hdr.hwndFrom = from;
  info.hdr.idFrom = idFrom;
  info.hdr.code = code;
  info.item.mask = mask;
  info.item.iItem = item;
  info.item.iSubItem = subItem;
  info.item.pszText = const_cast<char*>(text);
  info.item.cchTextMax = text ? length : 0;
  info.item.lParam = lParam;
  ::SendMessageA(::GetParent(grid), WM_NOTIFY, static_cast<WPARAM>(::GetDlgCtrlID(grid)),
                 reinterpret_cast<LPARAM>(&info));
}

void CGridListCtrl::SendDispInfo(UINT code, UINT mask, int item, int subItem, const char* text,
                                 int length, LPARAM lParam) {
  SendGridNotify(m_hWnd, m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), code, mask, item, subItem,
                 text, length, lParam);
}

void CGridListCtrl::DestroyEditor() {
  CWnd* pEditor = m_pEditor;
  m_pEditor = nullptr;  // first: a notification sent while it goes finds no editor open
  if (!pEditor) return;
  if (pEditor->m_hWnd)
    pEditor->DestroyWindow();  // the editor frees itself (CGridEditorWnd)
  else
    delete pEditor;
}

LRESULT CGridListCtrl::OnBeginLabelEdit(const NMLVDISPINFOA* pInfo) {
  const int row = pInfo->item.iItem;
  const int column = pInfo->item.iSubItem;
  if (m_rules.IsReadOnly(column)) return 0;
  if (row < 0 || row >= GetItemCount() || column < 0 || column >= GetColumnCount()) return 0;
  DestroyEditor();
  const CString text(pInfo->item.pszText);
  if (GetColumnEditor(column) == EditorComboBox) {
    RECT cell = {};
    GetSubItemRect(row, column, LVIR_BOUNDS, cell);
    auto* pCombo = new CGridCellCombo(this, cell, CBS_DROPDOWN, kGridEditorId, row, column,
                                      m_rules.GetFlatOptions(), text, VK_RETURN);
    m_pEditor = pCombo;
    PlaceEditor(pCombo, row, column);
  } else {
    auto* pEdit = new CGridCellEdit(row, column, text);
    m_pEditor = pEdit;
    if (pEdit->CreateEditor(0, "EDIT", kEditBoxStyle, RECT{0, 0, 100, 100}, this, kGridEditorId)) {
      PlaceEditor(pEdit, row, column);
      pEdit->FitToText();
    }
  }
  m_nEditRow = row;
  m_nEditColumn = column;
  return 0;
}

LRESULT CGridListCtrl::OnEndLabelEdit(const NMLVDISPINFOA* pInfo) {
  const int row = pInfo->item.iItem;
  const int column = pInfo->item.iSubItem;
  bool changed = false;
  CString text;
  if (m_pEditor) {
    if (pInfo->item.pszText) {
      text = pInfo->item.pszText;  // our own copy: the editor's buffer goes with the editor
      if (text != GetItemText(row, column) && SetItemText(row, column, text)) changed = true;
    }
    RECT rect = {};
    if (m_pEditor->m_hWnd) {
      m_pEditor->GetWindowRect(&rect);
      ScreenToClient(&rect);
    }
    DestroyEditor();
    InvalidateRect(&rect, TRUE);
  }
  m_nEditRow = -1;
  m_nEditColumn = -1;
  if (changed) SendDispInfo(LVN_SETDISPINFOA, GridCellChanged, row, column, text, text.GetLength());
  return 0;
}
