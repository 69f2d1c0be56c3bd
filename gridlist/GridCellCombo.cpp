#include "GridCellCombo.h"

#include <commctrl.h>

#include "GridColumnRules.h"

namespace {

bool CtrlHeld() {
  return ::GetKeyState(VK_CONTROL) < 0;
}

}  // namespace

CGridCellCombo::CGridCellCombo(CWnd* pParent, const RECT& cell, DWORD style, UINT id, int row,
                               int column, const CStringArray& options, const CString& initialText,
                               UINT firstKey)
    : m_edit(*this),
      m_nVisibleRows(4),
      m_strInitialText(initialText),
      m_nRow(row),
      m_nColumn(column),
      m_bEnded(false) {
  const int height = cell.bottom - cell.top;
  RECT rect = cell;
  rect.bottom += m_nVisibleRows * height + ::GetSystemMetrics(SM_CYHSCROLL);
  if (!CreateEditor(0, "COMBOBOX", style | kBaseStyle, rect, pParent, id)) return;

  CStringArray mine;
  CGridColumnRules::GetColumnOptions(options, column, mine);
  for (int i = 0; i < mine.GetSize(); ++i) AddString(mine[i]);

  SetFont(pParent->GetFont(), FALSE);
  SetItemHeight(-1, static_cast<UINT>(height));
  SetDroppedWidth(static_cast<UINT>(ComputeDropWidth()));
  if (SelectString(-1, initialText) == CB_ERR) SetWindowText(initialText);

  if ((style & 3) != CBS_DROPDOWNLIST) {
    HWND field = ::GetDlgItem(m_hWnd, CGridComboEdit::kEditId);
    if (field && m_edit.SubclassWindow(field)) ApplyFirstKey(firstKey);
  }
  SetFocus();
}

void CGridCellCombo::ApplyFirstKey(UINT key) {
  const int length = m_edit.GetWindowTextLength();
  const CGridComboKeys::FirstKey first = CGridComboKeys::OnFirstKey(key);
  if (first.caretAtEnd)
    m_edit.SetSel(length, length);
  else
    m_edit.SetSel(0, -1);
  if (first.sendChar) m_edit.SendMessage(WM_CHAR, key, 0);
}

int CGridCellCombo::ComputeDropWidth() const {
  if (!m_hWnd) return 0;
  HDC hdc = ::GetDC(m_hWnd);
  HGDIOBJ oldFont = ::SelectObject(hdc, reinterpret_cast<HGDIOBJ>(GetFont()));
  const int scrollBar = ::GetSystemMetrics(SM_CXVSCROLL);
  int width = 0;
  SIZE size = {};
  for (int i = 0, count = GetCount(); i < count; ++i) {
    CString option;
    GetLBText(i, option);
    ::GetTextExtentPoint32A(hdc, option, option.GetLength(), &size);
    if (size.cx + scrollBar > width) width = size.cx + scrollBar;
  }
  ::GetTextExtentPoint32A(hdc, "0", 1, &size);
  width += size.cx;
  ::SelectObject(hdc, oldFont);
  ::ReleaseDC(m_hWnd, hdc);
  return width > kMaxDropWidth ? kMaxDropWidth : width;
}

void CGridCellCombo::EndEdit() {
  if (m_bEnded) return;
  m_bEnded = true;
  CString text;
  if (m_hWnd) GetWindowText(text);
  HWND grid = GetGrid();
  ::SetFocus(grid);
  SendEndLabelEdit(grid, LVIF_TEXT | LVIF_PARAM, m_nRow, m_nColumn, text.GetString(),
                   text.GetLength());
  // The grid has destroyed this window by now; the object lives until its handlers return.
}

void CGridCellCombo::NoteKeyDown(UINT key) {
  m_keys.NoteKeyDown(key);
}

BOOL CGridCellCombo::OnKeyUp(UINT key) {
  if (!CGridComboKeys::IsEndKey(key)) return FALSE;
  switch (m_keys.OnKeyUp(key, m_edit.GetWindowTextLength())) {
    case CGridComboKeys::KeyUp::kNotMine:
      return FALSE;
    case CGridComboKeys::KeyUp::kKeep:
      break;
    case CGridComboKeys::KeyUp::kRestoreAndEnd:
      SetWindowText(m_strInitialText);
      ::SetFocus(GetGrid());
      break;
    case CGridComboKeys::KeyUp::kEnd:
      ::SetFocus(GetGrid());
      break;
  }
  return TRUE;
}

BOOL CGridCellCombo::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case WM_GETDLGCODE:
      *pResult = DLGC_WANTALLKEYS;
      return TRUE;
    case WM_KEYDOWN:  // Ctrl+Page Up/Page Down/arrows, also handed over by the field
      if (!CGridComboKeys::EndsOnKeyDown(static_cast<unsigned>(wParam), CtrlHeld())) return FALSE;
      ::SetFocus(GetGrid());  // ends the edit
      return TRUE;
    case WM_KEYUP:
      return OnKeyUp(static_cast<UINT>(wParam));
    case WM_KILLFOCUS: {
      Default();
      HWND to = reinterpret_cast<HWND>(wParam);
      if ((GetStyle() & 3) == CBS_DROPDOWNLIST && to != m_hWnd && !::IsChild(m_hWnd, to)) EndEdit();
      return TRUE;
    }
    case WM_DESTROY:
      m_bEnded = true;  // no notification from a closing editor
      return FALSE;
  }
  return CGridEditorWnd<CComboBox>::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CGridCellCombo::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_COMMAND && HIWORD(wParam) == CBN_DROPDOWN) {
    SetDroppedWidth(static_cast<UINT>(ComputeDropWidth()));
    *pResult = 0;
    return TRUE;
  }
  return CGridEditorWnd<CComboBox>::OnChildNotify(message, wParam, lParam, pResult);
}
