// CEdit: wrapper of an edit control.
#pragma once

#include "Wnd.h"

class CEdit : public CWnd {
 public:
  void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
  void GetSel(int& nStartChar, int& nEndChar) const;
  void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE);
  void LimitText(int nChars = 0) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(nChars)); }
  int GetLineCount() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }
  BOOL SetReadOnly(BOOL bReadOnly = TRUE) {
    return static_cast<BOOL>(SendMessage(EM_SETREADONLY, bReadOnly));
  }
  void SetMargins(UINT nLeft, UINT nRight);
};
