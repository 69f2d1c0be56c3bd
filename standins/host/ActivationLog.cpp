#include "ActivationLog.h"

#include <windows.h>

#include <string>

#include "HostLog.h"
#include "HostWindow.h"

namespace host {
namespace {

HostLog* g_log = nullptr;
HHOOK g_hook = nullptr;

// A window about to be activated already has its place: a dialog and a message box are placed
// while they are created, before they are shown and so activated.
LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && g_log) {
    HWND h = reinterpret_cast<HWND>(wParam);
    RECT r;
    if (GetWindowRect(h, &r)) {
      wchar_t title[256] = {};
      GetWindowTextW(h, title, 256);
      g_log->Line("activate", std::to_string(r.left) + " " + std::to_string(r.top) + " " +
                                  std::to_string(r.right - r.left) + " " +
                                  std::to_string(r.bottom - r.top) + " " + GbkFromWide(title));
    }
  }
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

}  // namespace

void ActivationLog::Start(HostLog& log) {
  if (g_hook || !log.IsOpen()) return;
  g_log = &log;
  g_hook = SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
}

}  // namespace host
