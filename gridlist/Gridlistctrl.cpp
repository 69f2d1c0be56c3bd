#include "Gridlistctrl.h"

#include "GridBarButtons.h"
#include "GridButtonBar.h"
#include "GridEditorKind.h"
#include "GridGeometry.h"
#include "GridKeys.h"

namespace {

// The modifier keys held down as the message being handled was sent.
unsigned HeldModifiers() {
  unsigned held = GridModNone;
  if (::GetKeyState(VK_SHIFT) & 0x8000) held |= GridModShift;
  if (::GetKeyState(VK_CONTROL) & 0x8000) held |= GridModCtrl;
  if (::GetKeyState(VK_MENU) & 0x8000) held |= GridModAlt;
  return held;
}

}  // namespace

CGridListCtrl::CGridListCtrl()
    : m_pEditor(nullptr), m_nEditRow(-1), m_nEditColumn(-1), m_draw(*this, m_rules) {}

CGridListCtrl::~CGridListCtrl() {
  if (m_pBar) m_pBar->SetGrid(nullptr);  // the bar no longer reaches this grid
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

void CGridListCtrl::SetColumnChoice(int column, BOOL choice) {
  m_rules.SetColumnChoice(column, choice != FALSE);
}

std::vector<int> CGridListCtrl::GetOrderArray() const {
  return CGridGeometry(*this).OrderArray();
}

int CGridListCtrl::GetColumnAtPosition(int position) const {
  return CGridGeometry(*this).ColumnAt(position);
}

int CGridListCtrl::GetPositionOfColumn(int column) const {
  return CGridGeometry(*this).PositionOf(column);
}

BOOL CGridListCtrl::GetCellRect(int row, int column, RECT* pRect) const {
  return CGridGeometry(*this).CellRect(row, column, pRect);
}

void CGridListCtrl::MakeColumnVisible(int column) {
  ShowGridColumn(*this, column);
}

int CGridListCtrl::GetFocusColumn() const {
  return m_cursor.Position() == -1 ? -1 : GetColumnAtPosition(m_cursor.Position());
}

void CGridListCtrl::SelectRow(int row) {
  SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
}

int CGridListCtrl::GetSelectedRow() const {
  return GetNextItem(-1, LVNI_SELECTED);
}

void CGridListCtrl::SetRowText(int row, int column, const CString& text) {
  SetItemText(row, column, text);
}

void CGridListCtrl::MarkRow(int row, bool marked) {
  constexpr UINT kMark = LVIS_SELECTED | LVIS_FOCUSED;
  SetItemState(row, marked ? kMark : 0, kMark);
  if (marked) EnsureVisible(row, FALSE);
}

void CGridListCtrl::ReportInserted(int row) {
  SendDispInfo(LVN_SETDISPINFOA, GridRowInserted, row, -1, nullptr, 0);
}

void CGridListCtrl::ReportDeleted(int row) {
  SendDispInfo(LVN_SETDISPINFOA, GridRowDeleted, row, -1, nullptr, 0);
}

void CGridListCtrl::ReportMoved(int from, int to) {
  SendDispInfo(LVN_SETDISPINFOA, GridRowMoved, from, -1, nullptr, 0, to);
}

BOOL CGridListCtrl::PlaceEditor(CWnd* pEditor, int row, int column) {
  return pEditor ? PlaceOverGridCell(*this, *pEditor, row, column) : FALSE;
}

void CGridListCtrl::ShowCurrentColumn() {
  MakeColumnVisible(GetFocusColumn());
  const int focused = GetNextItem(-1, LVNI_FOCUSED);
  if (focused != -1) {
    RECT bounds = {};
    GetItemRect(focused, &bounds, LVIR_BOUNDS);
    InvalidateRect(&bounds, TRUE);
  }
}

BOOL CGridListCtrl::PreTranslateMessage(MSG* pMsg) {
  const bool keyDown = pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN;
  if (!keyDown || ::GetFocus() != m_hWnd) return CListCtrl::PreTranslateMessage(pMsg);
  if (OnBarKey(*pMsg)) return TRUE;
  if (pMsg->message != WM_KEYDOWN) return CListCtrl::PreTranslateMessage(pMsg);
  const int focused = GetNextItem(-1, LVNI_FOCUSED);
  const bool choice = m_rules.IsChoice(GetFocusColumn());
  switch (m_cursor.OnKey(static_cast<unsigned>(pMsg->wParam), HeldModifiers(), GetColumnCount(),
                         focused, choice)) {
    case CGridCursor::KeyAction::kPass:
      return CListCtrl::PreTranslateMessage(pMsg);
    case CGridCursor::KeyAction::kConsume:
      break;
    case CGridCursor::KeyAction::kMoved:
      ShowCurrentColumn();
      break;
    case CGridCursor::KeyAction::kEdit:
      RequestEdit(focused, GetFocusColumn());
      break;
    case CGridCursor::KeyAction::kChoose:
      ChooseFocusedCell(focused);
      break;
  }
  return TRUE;
}

BOOL CGridListCtrl::OnBarKey(const MSG& msg) {
  const int button =
      CGridBarButtons::ButtonForKey(static_cast<unsigned>(msg.wParam), HeldModifiers());
  if (!m_pBar || button == CGridBarButtons::kNone) return FALSE;
  m_pBar->Act(button);
  return TRUE;
}

void CGridListCtrl::ChooseFocusedCell(int row) {
  LVHITTESTINFO hit = {};
  hit.iItem = row;
  hit.iSubItem = GetFocusColumn();
  hit.flags = LVHT_ONITEMLABEL;
  MakeColumnVisible(hit.iSubItem);
  RECT cell = {};
  if (GetCellRect(row, hit.iSubItem, &cell))
    hit.pt = POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
  SendClick(hit);
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
        *pResult = m_draw.OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(lParam), GetFocusColumn());
        return TRUE;
      case NM_CLICK:
        if (header == m_pOwnClick || m_click.OnListClick()) return FALSE;  // on to the parent
        *pResult = 0;
        return TRUE;
      case LVN_BEGINDRAG:
        m_click.OnListDrag();
        return FALSE;
    }
  }
  return CListCtrl::OnChildNotify(message, wParam, lParam, pResult);
}

void CGridListCtrl::OnLButtonDown(LPARAM lParam) {
  LVHITTESTINFO hit = {};
  hit.pt.x = static_cast<short>(LOWORD(lParam));
  hit.pt.y = static_cast<short>(HIWORD(lParam));
  SubItemHitTest(&hit);
  m_cursor.PlaceAt(GetPositionOfColumn(hit.iSubItem));
  MakeColumnVisible(GetFocusColumn());
  m_click.BeginPress();
  Default();  // selects and focuses the row; may end an open edit on the way
  const CGridClickReport::Outcome outcome = m_click.EndPress();
  if (outcome == CGridClickReport::Outcome::kReport) SendClick(hit);
  if (outcome == CGridClickReport::Outcome::kDragged || !m_hWnd || hit.iItem == -1) return;
  RECT bounds = {};
  GetItemRect(hit.iItem, &bounds, LVIR_BOUNDS);
  InvalidateRect(&bounds, TRUE);
  const bool focused = (GetItemState(hit.iItem, LVIS_FOCUSED) & LVIS_FOCUSED) != 0;
  if (m_cursor.ClickEdits(hit.iItem, focused, hit.iSubItem, (hit.flags & LVHT_ONITEMLABEL) != 0))
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
  const NMHDR* outer = m_pOwnClick;
  m_pOwnClick = &info.hdr;  // passes through the reflection as the list-view's own report would
  ::SendMessageA(::GetParent(m_hWnd), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
  m_pOwnClick = outer;
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
  const int editor = m_rules.EditorFor(row, column, GetItemCount(), GetColumnCount());
  if (editor == EditorNone) return 0;
  DestroyEditor();
  const CGridEditorKind& kind = CGridEditorKind::Of(editor);
  m_pEditor = kind.Open(*this, row, column, CString(pInfo->item.pszText), m_rules.GetFlatOptions());
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
