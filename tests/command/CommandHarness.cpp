#include "CommandHarness.h"

#include <objbase.h>

#include "POIntArray.h"
#include "POIntArrayFactory.h"
#include "PoMap.h"
#include "quarnkernel.h"

namespace {

void StartComOnce() {
  static bool started = false;
  if (started) return;
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  om::RegisterIntArrayClass();
  started = true;
}

}  // namespace

void PumpMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

StandInHost::StandInHost(const PluginCalls& calls) : m_calls(calls) {
  StartComOnce();
  om::TheIntArrayFactory().SetFailing(false);
  m_pMap = om::PoMap::Create();
  m_hMapWnd = ::CreateWindowExA(0, "STATIC", "map", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                ::GetModuleHandleA(nullptr), nullptr);
  m_hostMap = {m_hMapWnd, m_pMap};
  Reattach(calls);
  ClearLog();
}

void StandInHost::Reattach(const PluginCalls& calls) {
  m_calls = calls;
  m_calls.AttachPoMap(&m_hostMap);
  m_calls.SetPoStatus(kCommandId);
  m_calls.SetPoAction(3);
}

StandInHost::~StandInHost() {
  // Whatever the test left: the command ends, a window left open goes.
  Drawing().nCurrentCommand = kCommandId;
  Drawing().nCommandState = 0;
  m_calls.MouseStatus(11, 0, 0);
  while (HWND hWnd = FindConfigWindow()) ::DestroyWindow(hWnd);
  PumpMessages();
  Drawing().nCurrentCommand = 0;
  ::DestroyWindow(m_hMapWnd);
  m_pMap->Release();
}

om::Drawing& StandInHost::Drawing() {
  return m_pMap->GetDrawing();
}

int StandInHost::AddEntity(int id, int kind) {
  int handle = CreateEntity(kind);
  Drawing().AddEntity(id, handle);
  return handle;
}

void StandInHost::Select(const std::vector<int>& ids) {
  Drawing().selection = ids;
}

bool StandInHost::Pick(int id) {
  if (!Drawing().pPickArray) return false;
  static_cast<om::POIntArray*>(Drawing().pPickArray)->Append(id);
  return true;
}

int StandInHost::LiveIntArrays() const {
  return om::POIntArray::LiveCount();
}

namespace {

BOOL CALLBACK FindConfigWindowProc(HWND hWnd, LPARAM lParam) {
  char caption[32] = {};
  ::GetWindowTextA(hWnd, caption, sizeof caption);
  if (std::string(caption) != "标注配置") return TRUE;
  *reinterpret_cast<HWND*>(lParam) = hWnd;
  return FALSE;
}

}  // namespace

HWND StandInHost::FindConfigWindow() {
  HWND found = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindConfigWindowProc,
                      reinterpret_cast<LPARAM>(&found));
  return found;
}

bool BindPluginCalls(HMODULE module, PluginCalls& calls) {
  calls.AttachPoMap = PluginExport<decltype(calls.AttachPoMap)>(module, "AttachPoMap");
  calls.SetPoStatus = PluginExport<decltype(calls.SetPoStatus)>(module, "SetPoStatus");
  calls.SetPoAction = PluginExport<decltype(calls.SetPoAction)>(module, "SetPoAction");
  calls.LaunchCommand = PluginExport<decltype(calls.LaunchCommand)>(module, "LaunchCommand");
  calls.MouseStatus = PluginExport<decltype(calls.MouseStatus)>(module, "MouseStatus");
  return calls.AttachPoMap && calls.SetPoStatus && calls.SetPoAction && calls.LaunchCommand &&
         calls.MouseStatus;
}
