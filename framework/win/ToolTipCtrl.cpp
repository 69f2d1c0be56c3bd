#include "ToolTipCtrl.h"

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
  RECT none = {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
  none.right = none.left;  // CreateEx takes a rectangle; the tooltip sizes itself
  none.bottom = none.top;
  return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | dwStyle, none,
                  pParentWnd, 0);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool,
                           UINT nFlags) {
  TTTOOLINFOA info = {};
  info.cbSize = sizeof info;
  info.uFlags = nFlags;
  info.hwnd = HwndOf(pWnd);
  info.uId = nIDTool;
  info.lpszText = const_cast<LPSTR>(lpszText);
  if (lpRectTool) info.rect = *lpRectTool;
  return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
  TTTOOLINFOA info = {};
  info.cbSize = sizeof info;
  info.hwnd = HwndOf(pWnd);
  info.uId = nIDTool;
  SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect) {
  TTTOOLINFOA info = {};
  info.cbSize = sizeof info;
  info.hwnd = HwndOf(pWnd);
  info.uId = nIDTool;
  info.rect = *lpRect;
  SendMessage(TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&info));
}
