#include "ModalLoop.h"

#include "Wnd.h"

namespace {

int g_nModalLoops = 0;
bool g_bPinned = false;

// A window of this module: routed by it, or owned (directly or further up) by a window it routes,
// as its message boxes, its colour dialog and its dialogs' controls are.
bool BelongsToThisModule(HWND hWnd) {
  if (!hWnd) return false;
  for (HWND hTop = ::GetAncestor(hWnd, GA_ROOT); hTop; hTop = ::GetWindow(hTop, GW_OWNER))
    if (CWnd::FromHandlePermanent(hTop)) return true;
  return false;
}

void PinThisModule() {
  HMODULE hModule = nullptr;
  g_bPinned =
      ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                           reinterpret_cast<LPCWSTR>(&PinThisModule), &hModule) != FALSE;
}

}  // namespace

CModalLoop::CModalLoop() {
  ++g_nModalLoops;
  fw::detail::RetainMessageFilter();
}

CModalLoop::~CModalLoop() {
  fw::detail::ReleaseMessageFilter();
  --g_nModalLoops;
}

void CModalLoop::OnMessageTaken(const MSG& msg) {
  if (g_nModalLoops > 0 && !g_bPinned && !BelongsToThisModule(msg.hwnd)) PinThisModule();
}
