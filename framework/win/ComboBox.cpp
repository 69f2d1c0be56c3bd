#include "ComboBox.h"

int CComboBox::AddString(LPCSTR lpszString) {
  return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString)));
}

void CComboBox::GetLBText(int nIndex, CString& rString) const {
  rString.Empty();
  int length = GetLBTextLen(nIndex);
  if (length <= 0) return;
  char* buffer = rString.GetBuffer(length);
  buffer[0] = '\0';
  SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(buffer));
  rString.ReleaseBuffer();
}

int CComboBox::SelectString(int nStartAfter, LPCSTR lpszString) {
  return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(nStartAfter),
                                      reinterpret_cast<LPARAM>(lpszString)));
}
