#include "GridNotify.h"

void SendGridNotify(HWND grid, HWND from, UINT_PTR idFrom, UINT code, UINT mask, int item,
                    int subItem, const char* text, int length, LPARAM lParam) {
  NMLVDISPINFOA info = {};
  info.hdr.hwndFrom = from;
  info.hdr.idFrom = idFrom;
  info.hdr.code = code;
  info.item.mask = mask;
  info.item.iItem = item;
  info.item.iSubItem = subItem;
  info.item.pszText = const_cast<char*>(text);
  info.item.cchTextMax = text ? length : 0;
  info.item.lParam = lParam;
  ::SendMessageA(::GetParent(grid), WM_NOTIFY, static_cast<WPARAM>(::GetDlgCtrlID(grid)),
                 reinterpret_cast<LPARAM>(&info));
}
