// Small helpers of the Windows tests that drive windows directly: a message pump, and a window
// system that refuses every window created on this thread while it is installed (as a host's own
// hook or a system out of window resources may).  Header-only.
#pragma once

#include <windows.h>

// Handles every message waiting in this thread's queue.
inline void PumpWaitingMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

class CRefuseWindows {
 public:
  CRefuseWindows()
      : m_hHook(::SetWindowsHookExA(WH_CBT, &Refuse, nullptr, ::GetCurrentThreadId())) {}
  ~CRefuseWindows() { ::UnhookWindowsHookEx(m_hHook); }
  CRefuseWindows(const CRefuseWindows&) = delete;
  CRefuseWindows& operator=(const CRefuseWindows&) = delete;
  bool Installed() const { return m_hHook != nullptr; }

 private:
  static LRESULT CALLBACK Refuse(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) return 1;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
  HHOOK m_hHook;
};
