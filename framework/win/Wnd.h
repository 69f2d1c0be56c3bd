// CWnd: the object side of one window.  A CWnd either wraps a window it does not route (Attach),
// or owns the window's procedure (SubclassWindow, SubclassDlgItem, CreateEx, CDialog::Create): then
// every message of that window passes through WindowProc -> OnWndMsg -> the typed handlers, and
// whatever is not handled goes on to the window's original procedure (DefWindowProc).
//
// Ownership: the CWnd never owns its object's memory; the window belongs to the CWnd that created
// or subclassed it only in the sense that the window's last message (WM_NCDESTROY) detaches it and
// then calls PostNcDestroy, where a self-owning object (a modeless dialog) may `delete this`.
//
// Message dispatch, read top to bottom (no macros, no hidden returns):
//   OnWndMsg(message)            a derived class overrides it with a one-line-per-message switch
//                                and ends with `return Base::OnWndMsg(...)` (explicit chaining);
//   CWnd::OnWndMsg               offers WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM,
//                                WM_CTLCOLOR* and scroll messages from a direct child to that child
//                                first (OnChildNotify: notification reflection); if the child does
//                                not take it, WM_COMMAND goes to OnCommand, WM_NOTIFY to OnNotify;
//   OnCommand / OnNotify         a switch on the control id and notification code.
// Handlers run with the resource context of this module (see ResourceScope.h).
#pragma once

#include <windows.h>

#include "CString.h"

class CWnd {
 public:
  CWnd();
  virtual ~CWnd();

  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd;

  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }
  // The handle of pWnd, or nullptr for no object (a parent that may be absent).
  static HWND HwndOf(const CWnd* pWnd) { return pWnd ? pWnd->m_hWnd : nullptr; }

  // --- the handle map -------------------------------------------------------------------------
  // The object attached to (or subclassing) hWnd, or nullptr.
  static CWnd* FromHandlePermanent(HWND hWnd);
  // The permanent object, or else a temporary wrapper (no message routing).  A wrapper made during
  // a call into this module (AfxWndProc, the message hook, an export holding a CTempMapLock) is
  // deleted when the outermost such call returns, as the framework deletes its temporary objects
  // at idle time: use it within the handler that asked for it and keep only the handle.  One
  // made outside every such call lives until the module unloads.  nullptr for a null handle.
  static CWnd* FromHandle(HWND hWnd);

  // Wraps hWnd without routing its messages.  FALSE if this object already has a window, hWnd is
  // not a window, or another object already holds hWnd.
  BOOL Attach(HWND hWnd);
  HWND Detach();

  // Takes over the window's procedure: its messages reach WindowProc.  PreSubclassWindow runs
  // first.  FALSE (nothing changed) on the same conditions as Attach.
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  // Gives the window its original procedure back (only if nobody subclassed it after us) and
  // detaches it.
  HWND UnsubclassWindow();

  // Creates a window whose messages reach this object from the very first one (WM_NCCREATE).
  BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                const RECT& rect, CWnd* pParentWnd, UINT nID);
  BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
              CWnd* pParentWnd, UINT nID);
  virtual BOOL DestroyWindow();

  // --- everyday operations (thin, as the names say) ---------------------------------------------
  BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
  BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
  BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  void SetWindowText(LPCSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }
  int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
  void GetWindowText(CString& rString) const;
  int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  CWnd* GetDlgItem(int nID) const;
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  void SetDlgItemText(int nID, LPCSTR lpszString) { ::SetDlgItemTextA(m_hWnd, nID, lpszString); }
  int GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const;
  int GetDlgItemText(int nID, CString& rString) const;
  void CheckDlgButton(int nIDButton, UINT nCheck) { ::CheckDlgButton(m_hWnd, nIDButton, nCheck); }
  UINT IsDlgButtonChecked(int nIDButton) const { return ::IsDlgButtonChecked(m_hWnd, nIDButton); }
  CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
  DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
  DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)); }
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

  void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
  void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
  void ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
  void ClientToScreen(LPRECT lpRect) const;
  void ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
  void ScreenToClient(LPRECT lpRect) const;
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);

  void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
  void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) {
    ::InvalidateRect(m_hWnd, lpRect, bErase);
  }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }
  BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, HRGN hrgn = nullptr,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);

  CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
  static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
  CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
  static CWnd* GetCapture() { return FromHandle(::GetCapture()); }
  void SetFont(HFONT hFont, BOOL bRedraw = TRUE);
  HFONT GetFont() const;

  // --- the message route ---------------------------------------------------------------------
  // The whole route of one message.  Override OnWndMsg rather than this.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The original procedure (subclassed window), or ::DefWindowProc.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Passes the message being handled now on to DefWindowProc, with its own parameters.
  LRESULT Default();

  // Called for every message taken from the queue for this window or one of its descendants,
  // innermost window first, before it is translated and dispatched; TRUE = handled, the message
  // goes no further.  See AfxPreTranslateMessage for how the host's loop reaches it.
  virtual BOOL PreTranslateMessage(MSG* pMsg);

 protected:
  // TRUE when handled, with the result in *pResult.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // WM_COMMAND not taken by the child that sent it: LOWORD(wParam) id, HIWORD(wParam) code,
  // lParam the control (0 for menus and accelerators).  TRUE when handled.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // WM_NOTIFY not taken by the child that sent it.  TRUE when handled, result in *pResult.
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // A notification this window sent to its parent, offered back to it first (reflection).
  // `message` is the parent's message (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, ...).  Return TRUE
  // (result in *pResult) to keep the parent from seeing it.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

  virtual void PreSubclassWindow() {}
  // After the window's last message; the window handle is already gone.
  virtual void PostNcDestroy() {}

  WNDPROC m_pfnSuper;  // the window's original procedure while subclassed, else nullptr

  // While set, commands and notifications from child controls are dropped (data exchange writes
  // into controls that notify as they change).
  BOOL m_bLockNotify;

 private:
  friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK AfxCbtHookProc(int, WPARAM, LPARAM);
  friend class CDialog;
  friend class CDataExchange;
  friend BOOL ReflectToChild(HWND, UINT, WPARAM, LPARAM, LRESULT*);

  BOOL TakeOver(HWND hWnd);  // subclassing without the checks, at creation
  // Drops a window taken over at creation that the system refused before its first message (its
  // handle is dead: nothing is asked of it).
  void ForgetWindow();
  void OnFinalMessage();  // WM_NCDESTROY: unhook, detach, PostNcDestroy
};

// The procedure of every window a CWnd routes.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Creation hook: while this object lives, the next window created on this thread is routed to
// pWnd from its first message (CWnd::CreateEx and CDialog hold one around the system's creation
// call).  Creations nest (a dialog's controls are made while the dialog is being made); each
// hook routes one window, and the system hook is installed while any of them lives.
class CWindowCreationHook {
 public:
  explicit CWindowCreationHook(CWnd* pWnd);
  ~CWindowCreationHook();
  CWindowCreationHook(const CWindowCreationHook&) = delete;
  CWindowCreationHook& operator=(const CWindowCreationHook&) = delete;

  // The window pWnd took over, or nullptr when none was made for it.  That window may be gone
  // again (and pWnd with it, if it deletes itself with its window).
  HWND TakenOver() const { return m_hWndTaken; }

 private:
  friend LRESULT CALLBACK AfxCbtHookProc(int, WPARAM, LPARAM);
  CWnd* m_pWnd;  // nullptr once it took a window over
  HWND m_hWndTaken;
  CWindowCreationHook* m_pOuter;  // the enclosing creation, if any
};

// The pre-translation step of a message loop: walks from pMsg->hwnd up to its top-level window and
// calls PreTranslateMessage of every window this module routes; TRUE when one handled it (then the
// loop must neither translate nor dispatch the message).  The host's own loop does not know this
// module, so while a dialog of this module exists (modeless, or modal and running its loop) a
// thread message hook (WH_GETMESSAGE) calls this function for every message the loop removes from
// the queue, and turns a handled one into WM_NULL.  A loop of this module (a test) may call it
// directly on a message it made itself.
BOOL AfxPreTranslateMessage(MSG* pMsg);

// The lifetime of temporary wrappers (CWnd::FromHandle).  Every call into this module holds the
// lock while it runs: AfxWndProc and the message hook take it themselves, a library's exports
// take it with a CTempMapLock.  When the outermost holder lets go, every temporary wrapper made
// while it held the lock is deleted.
void AfxLockTempMaps();
// TRUE when that was the outermost lock (and its temporary wrappers are gone now).
BOOL AfxUnlockTempMaps();

class CTempMapLock {
 public:
  CTempMapLock() { AfxLockTempMaps(); }
  ~CTempMapLock() { AfxUnlockTempMaps(); }
  CTempMapLock(const CTempMapLock&) = delete;
  CTempMapLock& operator=(const CTempMapLock&) = delete;
};

#if VJD_TEST_SEAMS
// What this layer holds at one moment, for the checks that a long session leaves nothing behind
// (test builds only).
struct AfxHeldObjects {
  int nPermanentWindows;  // objects in the handle map (routing or attached windows)
  int nTemporaryWindows;  // temporary wrappers not deleted yet
  int nCreationHooks;     // WH_CBT hooks installed (only while a window is being created)
  int nMessageHooks;      // WH_GETMESSAGE hooks installed (while a dialog exists)
};
AfxHeldObjects AfxGetHeldObjects();
#endif

namespace fw {
namespace detail {
// Reference count of the users of the WH_GETMESSAGE hook (modeless dialogs, modal ones while
// they run): the hook is installed with the first and removed with the last.
void RetainMessageFilter();
void ReleaseMessageFilter();
}  // namespace detail
}  // namespace fw
