#include "GridCellEdit.h"

#include <commctrl.h>

#include "GridEditFit.h"
#include "GridEditKeys.h"

namespace {

// DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX
constexpr UINT kMeasureFormat = 0x0C50;

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
  const auto key = static_cast<unsigned>(pMsg->wParam);
  if (!CGridEditKeys::TakesKeyDown(key, ::GetKeyState(VK_CONTROL)))
    return CGridEditorWnd<CEdit>::PreTranslateMessage(pMsg);
  // Keys the dialog would take for itself go to the box.  A multi-line box would answer an
  // Escape key-down by closing the dialog, so that one only becomes a character.
  EnterMessage();
  ::TranslateMessage(pMsg);
  if (CGridEditKeys::DispatchesKeyDown(key, (GetStyle() & ES_MULTILINE) != 0))
    ::DispatchMessageA(pMsg);
  LeaveMessage();  // may free this object: nothing after it
  return TRUE;
}

BOOL CGridCellEdit::OnChar(UINT ch) {
  switch (CGridEditKeys::OnChar(ch)) {
    case CGridEditKeys::Char::kDiscard:
      m_bCancelled = TRUE;
      ::SetFocus(GetGrid());  // ends the edit; this window is gone afterwards
      return TRUE;
    case CGridEditKeys::Char::kCommit:
      ::SetFocus(GetGrid());
      return TRUE;
    case CGridEditKeys::Char::kType:
      break;
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

  const GridBox box{window.left, window.top, window.right, window.bottom};

  CString text;
  GetWindowText(text);
  HDC hdc = ::GetDC(m_hWnd);
  HGDIOBJ oldFont =
      ::SelectObject(hdc, reinterpret_cast<HGDIOBJ>(::SendMessageA(grid, WM_GETFONT, 0, 0)));
  CGridEditFit::Size needed = {};
  if (!(GetStyle() & ES_MULTILINE)) {
    SIZE extent = {};
    ::GetTextExtentPoint32A(hdc, text, text.GetLength(), &extent);
    needed = CGridEditFit::NeededOnOneLine(extent.cx);
  } else {
    RECT narrow = {0, 0, clientWidth, 0};
    RECT wide = {0, 0, CGridEditFit::WideWidth(clientWidth, box, gridClient.right), 0};
    ::DrawTextA(hdc, text, text.GetLength(), &narrow, kMeasureFormat);
    ::DrawTextA(hdc, text, text.GetLength(), &wide, kMeasureFormat);
    needed = CGridEditFit::Needed({narrow.right, narrow.bottom}, {wide.right, wide.bottom});
  }
  ::SelectObject(hdc, oldFont);
  ::ReleaseDC(m_hWnd, hdc);

  const CGridEditFit::Result fit = CGridEditFit::Grow(box, clientWidth, clientHeight,
                                                      gridClient.right, gridClient.bottom, needed);
  if (fit.scrollBar) ::ShowScrollBar(m_hWnd, SB_VERT, TRUE);
  if (fit.moved) {
    RECT r = {fit.box.left, fit.box.top, fit.box.right, fit.box.bottom};
    MoveWindow(&r, TRUE);
  }
}
