// CColorDialog: the standard colour dialog, run modally from a starting colour.  Every colour
// dialog of the process offers the same sixteen custom colours and keeps what the user changes in
// them for the next one, from the first dialog to the end of the process (white at first).
// Tests answer the dialog through the seam (TestSeams.h).
#pragma once

#include <windows.h>
// after windows.h
#include <commdlg.h>

class CWnd;

class CColorDialog {
 public:
  explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

  // IDOK when a colour was chosen, IDCANCEL otherwise.
  INT_PTR DoModal();
  COLORREF GetColor() const { return m_cc.rgbResult; }

  // The process's sixteen custom colours, which m_cc.lpCustColors points to.
  static COLORREF* GetSavedCustomColors();

  CHOOSECOLORA m_cc;
};
