#include "GridComboEdit.h"

#include "GridCellCombo.h"
#include "GridComboKeys.h"

LRESULT CGridComboEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  m_combo.EnterMessage();
  const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
  m_combo.LeaveMessage();  // may free the combo and this field with it: nothing after it
  return result;
}

BOOL CGridComboEdit::PreTranslateMessage(MSG* pMsg) {
  switch (pMsg->message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
      m_combo.EnterMessage();
      ::TranslateMessage(pMsg);
      ::DispatchMessageA(pMsg);
      m_combo.LeaveMessage();  // may free the combo: nothing after it
      return TRUE;
    case WM_SYSCHAR:
      return TRUE;
  }
  return CEdit::PreTranslateMessage(pMsg);
}

BOOL CGridComboEdit::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case WM_KEYDOWN:
      return OnKeyDown(wParam, lParam);
    case WM_KEYUP:
      return OnKeyUp(wParam, lParam);
    case WM_KILLFOCUS:
      Default();
      m_combo.EndEdit();
      return TRUE;
  }
  return CEdit::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CGridComboEdit::OnKeyDown(WPARAM key, LPARAM lParam) {
  const auto code = static_cast<unsigned>(key);
  if (CGridComboKeys::EndsOnKeyDown(code, ::GetKeyState(VK_CONTROL) < 0) &&
      GetDlgCtrlID() == kEditId) {
    m_combo.SendMessage(WM_KEYDOWN, key, lParam);
    return TRUE;
  }
  if (CGridComboKeys::IsEndKey(code)) m_combo.NoteKeyDown(code);
  return FALSE;
}

BOOL CGridComboEdit::OnKeyUp(WPARAM key, LPARAM lParam) {
  if (!CGridComboKeys::IsEndKey(static_cast<unsigned>(key))) return FALSE;
  m_combo.SendMessage(WM_KEYUP, key, lParam);
  return TRUE;
}
