// CHeaderCtrl: wrapper of a header control (the column header of a report-style list view).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "Wnd.h"

class CHeaderCtrl : public CWnd {
 public:
  int GetItemCount() const { return static_cast<int>(SendMessage(HDM_GETITEMCOUNT)); }
  BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
  // Column index at each display position; lpiArray holds iCount entries.
  BOOL GetOrderArray(LPINT piArray, int iCount) const;
  BOOL SetOrderArray(int iCount, LPINT piArray);
  // Column index of display position nOrder.
  int OrderToIndex(int nOrder) const {
    return static_cast<int>(SendMessage(HDM_ORDERTOINDEX, static_cast<WPARAM>(nOrder)));
  }
  BOOL GetItem(int nPos, HDITEMA* pHeaderItem) const;
  BOOL SetItem(int nPos, HDITEMA* pHeaderItem);
};
