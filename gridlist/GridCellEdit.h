// CGridCellEdit: the grid's in-place edit box, a multi-line edit over one cell.
//
// The grid constructs it with the cell's row, column and text and creates its window as a child
// of the grid.  The box takes the focus, grows with its text up to the grid's edges (FitToText),
// commits on Enter and discards on Escape; either way the focus goes back to the grid, and losing
// the focus sends the end notification (LVN_ENDLABELEDITA, to the grid's parent, which reflects
// it to the grid) with the text, or with no text when the edit was cancelled.  The notification is
// sent at most once.  The grid owns the editor; the object frees itself after its window is
// destroyed (CGridEditorWnd).
#pragma once

#include "CString.h"
#include "Edit.h"
#include "GridEditorWnd.h"

class CGridCellEdit : public CGridEditorWnd<CEdit> {
 public:
  CGridCellEdit(int row, int column, const CString& initialText);

  // Grows the box so that its whole text fits, never beyond the grid's client area (2 pixels
  // short of its right and bottom edges, with a vertical scroll bar past the bottom).  Never
  // shrinks it.
  void FitToText();

  int GetRow() const { return m_nRow; }
  int GetColumn() const { return m_nColumn; }
  BOOL IsCancelled() const { return m_bCancelled; }

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

 private:
  void OnCreate();
  BOOL OnChar(UINT ch);
  void OnKillFocus();
  void SendEndNotification();
  HWND GetGrid() const { return ::GetParent(m_hWnd); }

  int m_nRow;
  int m_nColumn;
  CString m_strInitialText;
  BOOL m_bCancelled;
  bool m_bEnded;  // the end notification went out (or the window is going): never again
};
