#include "Wnd.h"

#include <memory>
#include <unordered_map>

#include "ModalLoop.h"
#include "ResourceScope.h"

namespace {

// Everything here belongs to the one user-interface thread of the process.
std::unordered_map<HWND, CWnd*>& PermanentMap() {
  static std::unordered_map<HWND, CWnd*> map;
  return map;
}

// Temporary wrappers: one per window handle asked for, until the outermost call into the module
// that made it returns (bLocked), or until the module unloads for one made outside every call.
struct TemporaryWrapper {
  std::unique_ptr<CWnd> pWnd;
  bool bLocked;
};
std::unordered_map<HWND, TemporaryWrapper>& TemporaryMap() {
  static std::unordered_map<HWND, TemporaryWrapper> map;
  return map;
}
int g_nTempMapLocks = 0;  // calls into the module under way

// The window property that remembers the original procedure of a subclassed window, so that a
// window we could not give its procedure back (somebody subclassed it after us) still reaches it.
const char kSuperProp[] = "fw.CWnd.super";

MSG g_msgCurrent = {};  // the message being handled now, for CWnd::Default

CWindowCreationHook* g_pCreation = nullptr;  // the innermost creation under way on this thread
HHOOK g_hCbtHook = nullptr;

HHOOK g_hMsgHook = nullptr;
int g_nMsgFilterUsers = 0;

// Unloading the module removes its hooks: their procedures go with the module's code.
struct HookRemover {
  ~HookRemover() {
    if (g_hMsgHook) ::UnhookWindowsHookEx(g_hMsgHook);
    if (g_hCbtHook) ::UnhookWindowsHookEx(g_hCbtHook);
    g_hMsgHook = g_hCbtHook = nullptr;
  }
} g_hookRemover;

LRESULT CALLBACK GetMessageHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    MSG* pMsg = reinterpret_cast<MSG*>(lParam);
    CModalLoop::OnMessageTaken(*pMsg);  // before the host's code can run for it
    CTempMapLock temps;
    if (pMsg->message != WM_NULL && AfxPreTranslateMessage(pMsg)) {
      pMsg->message = WM_NULL;  // handled here: the host's loop dispatches nothing
      pMsg->wParam = 0;
      pMsg->lParam = 0;
    }
  }
  return ::CallNextHookEx(g_hMsgHook, code, wParam, lParam);
}

void ReadWindowText(HWND hWnd, CString& rString) {
  int length = ::GetWindowTextLengthA(hWnd);
  char* buffer = rString.GetBuffer(length);
  buffer[0] = '\0';
  ::GetWindowTextA(hWnd, buffer, length + 1);
  rString.ReleaseBuffer();
}

HWND ChildOfNotification(HWND hParent, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
      return lParam ? reinterpret_cast<NMHDR*>(lParam)->hwndFrom : nullptr;
    case WM_DRAWITEM: {
      auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      return dis && dis->CtlType != ODT_MENU ? dis->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      return mis && mis->CtlType != ODT_MENU ? ::GetDlgItem(hParent, mis->CtlID) : nullptr;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
    case WM_HSCROLL:
    case WM_VSCROLL:
      return reinterpret_cast<HWND>(lParam);
  }
  (void)wParam;
  return nullptr;
}

}  // namespace

// Offers a notification from a direct child back to that child's object.
BOOL ReflectToChild(HWND hParent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  HWND hChild = ChildOfNotification(hParent, message, wParam, lParam);
  if (!hChild || hChild == hParent || ::GetAncestor(hChild, GA_PARENT) != hParent) return FALSE;
  CWnd* pChild = CWnd::FromHandlePermanent(hChild);
  return pChild ? pChild->OnChildNotify(message, wParam, lParam, pResult) : FALSE;
}

CWnd::CWnd() : m_hWnd(nullptr), m_pfnSuper(nullptr), m_bLockNotify(FALSE) {}

CWnd::~CWnd() {
  if (!m_hWnd) return;
  if (m_pfnSuper)
    ::DestroyWindow(m_hWnd);  // its last message detaches it from this object
  else
    Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  if (!hWnd) return nullptr;
  auto it = PermanentMap().find(hWnd);
  return it == PermanentMap().end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (!hWnd) return nullptr;
  if (CWnd* pWnd = FromHandlePermanent(hWnd)) return pWnd;
  auto found = TemporaryMap().find(hWnd);
  if (found != TemporaryMap().end()) return found->second.pWnd.get();
  auto temp = std::make_unique<CWnd>();
  temp->m_hWnd = hWnd;  // not entered in the permanent map: it routes nothing
  CWnd* pWnd = temp.get();
  TemporaryMap().emplace(hWnd, TemporaryWrapper{std::move(temp), g_nTempMapLocks > 0});
  return pWnd;
}

BOOL CWnd::Attach(HWND hWnd) {
  if (m_hWnd || !hWnd || !::IsWindow(hWnd) || FromHandlePermanent(hWnd)) return FALSE;
  m_hWnd = hWnd;
  PermanentMap()[hWnd] = this;
  return TRUE;
}

HWND CWnd::Detach() {
  if (m_pfnSuper) return UnsubclassWindow();
  HWND hWnd = m_hWnd;
  auto it = hWnd ? PermanentMap().find(hWnd) : PermanentMap().end();
  if (it != PermanentMap().end() && it->second == this) PermanentMap().erase(it);
  m_hWnd = nullptr;  // a temporary wrapper was never in the map
  return hWnd;
}

BOOL CWnd::TakeOver(HWND hWnd) {
  PermanentMap()[hWnd] = this;  // the one step that may fail (throw): nothing changed before it
  m_hWnd = hWnd;
  WNDPROC previous = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
  m_pfnSuper = previous ? previous : &::DefWindowProcA;
  ::SetPropA(hWnd, kSuperProp, reinterpret_cast<HANDLE>(m_pfnSuper));
  return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (m_hWnd || !hWnd || !::IsWindow(hWnd) || FromHandlePermanent(hWnd)) return FALSE;
  m_hWnd = hWnd;  // PreSubclassWindow may look at the window
  PreSubclassWindow();
  m_hWnd = nullptr;
  return TakeOver(hWnd);
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  HWND hControl = ::GetDlgItem(HwndOf(pParent), static_cast<int>(nID));
  return hControl ? SubclassWindow(hControl) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
  HWND hWnd = m_hWnd;
  if (!hWnd) return nullptr;
  if (m_pfnSuper &&
      reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) == &AfxWndProc) {
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    ::RemovePropA(hWnd, kSuperProp);
  }
  // Otherwise the property stays: AfxWndProc passes the window's messages on to its procedure.
  m_pfnSuper = nullptr;
  PermanentMap().erase(hWnd);
  m_hWnd = nullptr;
  return hWnd;
}

void CWnd::ForgetWindow() {
  PermanentMap().erase(m_hWnd);
  m_pfnSuper = nullptr;
  m_hWnd = nullptr;
}

void CWnd::OnFinalMessage() {
  HWND hWnd = m_hWnd;
  if (m_pfnSuper &&
      reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) == &AfxWndProc)
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  ::RemovePropA(hWnd, kSuperProp);
  m_pfnSuper = nullptr;
  PermanentMap().erase(hWnd);
  m_hWnd = nullptr;
  PostNcDestroy();  // may delete this
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID) {
  if (m_hWnd) return FALSE;
  HMENU hMenu =
      (dwStyle & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)) : nullptr;
  HWND hWnd = nullptr, hTaken = nullptr;
  {
    CWindowCreationHook hook(this);
    hWnd = ::CreateWindowExA(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, HwndOf(pParentWnd),
                             hMenu, AfxGetInstanceHandle(), nullptr);
    hTaken = hook.TakenOver();
  }
  if (!hWnd) {
    // Refused after it was taken over, before any message: no final message will detach it.  (A
    // window that came and went had its final message: then this object may be gone.)
    if (hTaken && FromHandlePermanent(hTaken) == this) ForgetWindow();
    return FALSE;
  }
  if (hTaken != hWnd) {  // made without reaching this object: not ours to keep
    ::DestroyWindow(hWnd);
    return FALSE;
  }
  return TRUE;
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID) {
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  return ::DestroyWindow(m_hWnd);  // this object may be gone when it returns
}

int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const {
  if (nMaxCount > 0) lpszStringBuf[0] = '\0';
  return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const {
  ReadWindowText(m_hWnd, rString);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

CWnd* CWnd::GetDlgItem(int nID) const {
  return FromHandle(::GetDlgItem(m_hWnd, nID));
}

int CWnd::GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const {
  if (nMaxCount > 0) lpStr[0] = '\0';
  return static_cast<int>(::GetDlgItemTextA(m_hWnd, nID, lpStr, nMaxCount));
}

int CWnd::GetDlgItemText(int nID, CString& rString) const {
  rString.Empty();
  HWND hItem = ::GetDlgItem(m_hWnd, nID);
  if (hItem) ReadWindowText(hItem, rString);  // no wrapper needed for the item
  return rString.GetLength();
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  DWORD style = GetStyle();
  DWORD newStyle = (style & ~dwRemove) | dwAdd;
  if (style == newStyle) return FALSE;
  ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(newStyle));
  if (nFlags)
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
  return TRUE;
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
  ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
  ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
  MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
             bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
  return ::SetWindowPos(m_hWnd, HwndOf(pWndInsertAfter), x, y, cx, cy, nFlags);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, HRGN hrgn, UINT flags) {
  return ::RedrawWindow(m_hWnd, lpRectUpdate, hrgn, flags);
}

void CWnd::SetFont(HFONT hFont, BOOL bRedraw) {
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), bRedraw);
}

HFONT CWnd::GetFont() const {
  return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  return DefWindowProc(g_msgCurrent.message, g_msgCurrent.wParam, g_msgCurrent.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) {
  return FALSE;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case WM_COMMAND:
      if (lParam && m_bLockNotify) return TRUE;
      if (lParam && ReflectToChild(m_hWnd, message, wParam, lParam, pResult)) return TRUE;
      return OnCommand(wParam, lParam);  // this object may be gone when it returns
    case WM_NOTIFY:
      if (m_bLockNotify) return TRUE;
      if (ReflectToChild(m_hWnd, message, wParam, lParam, pResult)) return TRUE;
      return OnNotify(wParam, lParam, pResult);
  }
  // Drawing, colour and scroll messages from a direct child go to that child first; for any other
  // message there is no child to offer it to.
  return ReflectToChild(m_hWnd, message, wParam, lParam, pResult);
}

BOOL CWnd::OnCommand(WPARAM, LPARAM) {
  return FALSE;
}

BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*) {
  return FALSE;
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) {
  return FALSE;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  if (!pWnd) {  // no object any more: the window's own procedure
    auto super = reinterpret_cast<WNDPROC>(::GetPropA(hWnd, kSuperProp));
    return super ? ::CallWindowProcA(super, hWnd, message, wParam, lParam)
                 : ::DefWindowProcA(hWnd, message, wParam, lParam);
  }
  CResourceScope scope;
  CTempMapLock temps;
  MSG previous = g_msgCurrent;
  g_msgCurrent.hwnd = hWnd;
  g_msgCurrent.message = message;
  g_msgCurrent.wParam = wParam;
  g_msgCurrent.lParam = lParam;
  LRESULT result = 0;
  try {
    result = pWnd->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) pWnd->OnFinalMessage();
  } catch (...) {
    result = 0;  // nothing crosses a window procedure
  }
  g_msgCurrent = previous;
  return result;
}

LRESULT CALLBACK AfxCbtHookProc(int code, WPARAM wParam, LPARAM lParam) {
  CWindowCreationHook* creation = g_pCreation;
  if (code == HCBT_CREATEWND && creation && creation->m_pWnd) {
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    try {
      creation->m_pWnd->TakeOver(hWnd);
    } catch (...) {
      // Nothing unwinds through the system's frames.  A window its object cannot route is not
      // made at all: a non-zero answer makes the creation fail.
      creation->m_pWnd = nullptr;
      return 1;
    }
    creation->m_pWnd = nullptr;
    creation->m_hWndTaken = hWnd;
  }
  return ::CallNextHookEx(g_hCbtHook, code, wParam, lParam);
}

CWindowCreationHook::CWindowCreationHook(CWnd* pWnd)
    : m_pWnd(pWnd), m_hWndTaken(nullptr), m_pOuter(g_pCreation) {
  g_pCreation = this;
  if (!g_hCbtHook)
    g_hCbtHook = ::SetWindowsHookExA(WH_CBT, &AfxCbtHookProc, nullptr, ::GetCurrentThreadId());
}

CWindowCreationHook::~CWindowCreationHook() {
  g_pCreation = m_pOuter;
  if (!g_pCreation && g_hCbtHook) {
    ::UnhookWindowsHookEx(g_hCbtHook);
    g_hCbtHook = nullptr;
  }
}

BOOL AfxPreTranslateMessage(MSG* pMsg) {
  HWND hDesktop = ::GetDesktopWindow();
  for (HWND hWnd = pMsg->hwnd; hWnd && hWnd != hDesktop; hWnd = ::GetAncestor(hWnd, GA_PARENT)) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd) continue;
    BOOL handled = FALSE;
    try {
      CResourceScope scope;
      handled = pWnd->PreTranslateMessage(pMsg);
    } catch (...) {
      handled = TRUE;
    }
    if (handled) return TRUE;  // the window may be gone now: walk no further
  }
  return FALSE;
}

void AfxLockTempMaps() {
  ++g_nTempMapLocks;
}

BOOL AfxUnlockTempMaps() {
  if (g_nTempMapLocks <= 0 || --g_nTempMapLocks > 0) return FALSE;
  auto& temps = TemporaryMap();
  for (auto it = temps.begin(); it != temps.end();) {
    if (it->second.bLocked) {
      it->second.pWnd->m_hWnd = nullptr;  // a wrapper owns nothing of its window
      it = temps.erase(it);
    } else {
      ++it;
    }
  }
  return TRUE;
}

#if VJD_TEST_SEAMS
AfxHeldObjects AfxGetHeldObjects() {
  AfxHeldObjects held = {};
  held.nPermanentWindows = static_cast<int>(PermanentMap().size());
  held.nTemporaryWindows = static_cast<int>(TemporaryMap().size());
  held.nCreationHooks = g_hCbtHook ? 1 : 0;
  held.nMessageHooks = g_hMsgHook ? 1 : 0;
  return held;
}
#endif

namespace fw {
namespace detail {

void RetainMessageFilter() {
  if (g_nMsgFilterUsers++ == 0)
    g_hMsgHook =
        ::SetWindowsHookExA(WH_GETMESSAGE, &GetMessageHookProc, nullptr, ::GetCurrentThreadId());
}

void ReleaseMessageFilter() {
  if (g_nMsgFilterUsers > 0 && --g_nMsgFilterUsers == 0 && g_hMsgHook) {
    ::UnhookWindowsHookEx(g_hMsgHook);
    g_hMsgHook = nullptr;
  }
}

}  // namespace detail
}  // namespace fw
