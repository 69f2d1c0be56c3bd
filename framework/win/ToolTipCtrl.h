// CToolTipCtrl: a tooltip control owned by this object (Create makes it, the destructor destroys
// it).  Tools are identified by their owner window and id; texts may be supplied on request
// (LPSTR_TEXTCALLBACKA: the owner receives TTN_NEEDTEXTA).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "Wnd.h"

class CToolTipCtrl : public CWnd {
 public:
  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
  // nFlags e.g. TTF_SUBCLASS; lpszText may be LPSTR_TEXTCALLBACKA.
  BOOL AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool,
               UINT nFlags = TTF_SUBCLASS);
  void DelTool(CWnd* pWnd, UINT_PTR nIDTool);
  void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
  void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, bActivate); }
  int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
  void RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg)); }
};
