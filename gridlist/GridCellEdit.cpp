#include "GridCellEdit.h"

#include <commctrl.h>

namespace {

// DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX
constexpr UINT kMeasureFormat = 0x0C50;
// What FitToText adds to a measured text, and how far it stays from the grid's edges.
constexpr int kTextPadding = 5;
constexpr int kEdgeGap = 2;

}  // namespace

CGridCellEdit::CGridCellEdit(int row, int column, const CString& initialText)
    : m_nRow(row),
      m_nColumn(column),
      m_strInitialText(initialText),
      m_bCancelled(FALSE),
      m_bEnded(false) {}

BOOL CGridCellEdit::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case WM_CREATE:
      *pResult = Default();
      if (*pResult != -1) OnCreate();
      return TRUE;
    case WM_CHAR:
      return OnChar(static_cast<UINT>(wParam));
    case WM_KILLFOCUS:
      OnKillFocus();
      return TRUE;
    case WM_DESTROY:
      m_bEnded = true;
      return FALSE;  // no notification from a closing editor
  }
  return CGridEditorWnd<CEdit>::OnWndMsg(message, wParam, lParam, pResult);
}

void CGridCellEdit::OnCreate() {
  SetFont(reinterpret_cast<HFONT>(::SendMessageA(GetGrid(), WM_GETFONT, 0, 0)), FALSE);
  SetWindowText(m_strInitialText);
  SetFocus();
  FitToText();
  SetSel(0, -1);
}

BOOL CGridCellEdit::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message != WM_KEYDOWN) return CGridEditorWnd<CEdit>::PreTranslateMessage(pMsg);
  const WPARAM key = pMsg->wParam;
  if (key != VK_RETURN && key != VK_DELETE && key != VK_ESCAPE && ::GetKeyState(VK_CONTROL) == 0)
    return CGridEditorWnd<CEdit>::PreTranslateMessage(pMsg);
  // Keys the dialog would take for itself go to the box.  A multi-line box would answer an
  // Escape key-down by closing the dialog, so that one only becomes a character.
  EnterMessage();
  ::TranslateMessage(pMsg);
  if (!(key == VK_ESCAPE && (GetStyle() & ES_MULTILINE))) ::DispatchMessageA(pMsg);
  LeaveMessage();  // may free this object: nothing after it
  return TRUE;
}

BOOL CGridCellEdit::OnChar(UINT ch) {
  switch (ch) {
    case VK_ESCAPE:
      m_bCancelled = TRUE;
      ::SetFocus(GetGrid());  // ends the edit; this window is gone afterwards
      return TRUE;
    case VK_RETURN:
      ::SetFocus(GetGrid());
      return TRUE;
  }
  Default();
  FitToText();
  return TRUE;
}

void CGridCellEdit::OnKillFocus() {
  Default();
  SendEndNotification();
}

void CGridCellEdit::SendEndNotification() {
  if (m_bEnded) return;
  m_bEnded = true;
  HWND grid = GetGrid();
  CString text;
  GetWindowText(text);
  SendEndLabelEdit(grid, LVIF_TEXT, m_nRow, m_nColumn, m_bCancelled ? nullptr : text.GetString(),
                   text.GetLength());
  // The grid has destroyed this window by now; the object lives until its handlers return.
}

void CGridCellEdit::FitToText() {
  if (!m_hWnd) return;
  HWND grid = GetGrid();
  RECT window = {}, client = {}, gridClient = {};
  GetWindowRect(&window);
  ::MapWindowPoints(nullptr, grid, reinterpret_cast<POINT*>(&window), 2);
  GetClientRect(&client);
  ::GetClientRect(grid, &gridClient);
  const int clientWidth = client.right, clientHeight = client.bottom;

  CString text;
  GetWindowText(text);
  HDC hdc = ::GetDC(m_hWnd);
  HGDIOBJ oldFont =
      ::SelectObject(hdc, reinterpret_cast<HGDIOBJ>(::SendMessageA(grid, WM_GETFONT, 0, 0)));
  SIZE needed = {};
  if (!(GetStyle() & ES_MULTILINE)) {
    ::GetTextExtentPoint32A(hdc, text, text.GetLength(), &needed);
    needed.cx += kTextPadding;
  } else {
    // Once at the box's width, once widened to the grid's right edge: whichever wraps less.
    RECT narrow = {0, 0, clientWidth, 0};
    RECT wide = {0, 0, clientWidth + (gridClient.right - window.right), 0};
    ::DrawTextA(hdc, text, text.GetLength(), &narrow, kMeasureFormat);
    ::DrawTextA(hdc, text, text.GetLength(), &wide, kMeasureFormat);
    const RECT& best = (narrow.bottom < wide.bottom) ? narrow : wide;
    needed.cx = best.right + kTextPadding;
    needed.cy = best.bottom + kTextPadding;
  }
  ::SelectObject(hdc, oldFont);
  ::ReleaseDC(m_hWnd, hdc);

  RECT r = window;
  if (needed.cx > clientWidth) {
    r.right = r.left + (window.right - window.left) + (needed.cx - clientWidth);
    if (r.right > gridClient.right - kEdgeGap) r.right = gridClient.right - kEdgeGap;
    if (r.right < window.right) r.right = window.right;  // grows, never shrinks
  }
  if (needed.cy > clientHeight) {
    r.bottom = r.top + (window.bottom - window.top) + (needed.cy - clientHeight);
    if (r.bottom >= gridClient.bottom - kEdgeGap) {
      r.bottom = gridClient.bottom - kEdgeGap;
      ::ShowScrollBar(m_hWnd, SB_VERT, TRUE);
    }
    if (r.bottom < window.bottom) r.bottom = window.bottom;
  }
  if (!::EqualRect(&r, &window)) MoveWindow(&r, TRUE);
}
