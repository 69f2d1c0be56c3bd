// CColorDialog: the standard colour dialog, run modally from a starting colour.  Tests answer it
// through the seam (TestSeams.h).
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

  CHOOSECOLORA m_cc;

 private:
  COLORREF m_clrCustom[16];
};
