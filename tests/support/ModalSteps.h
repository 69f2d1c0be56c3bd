// Steps that a Windows test runs from inside a modal window's own loop (the position window, the
// colour dialog, a message box): a thread timer runs one step per tick, in order, the first once a
// dialog besides the given window is shown (or after some 5 s), and stops after the last.  The
// timer's messages have no window, so to the plug-in they are the host's own code running inside
// its loop.  Header-only; one set of steps at a time, on the test's thread.
#pragma once

#include <windows.h>

#include <cstring>
#include <functional>
#include <vector>

namespace modal_steps {

struct DialogSearch {
  HWND hOwner;
  std::vector<HWND> found;
};
inline BOOL CALLBACK CollectDialog(HWND hWnd, LPARAM param) {
  auto* search = reinterpret_cast<DialogSearch*>(param);
  char cls[8] = {};
  ::GetClassNameA(hWnd, cls, sizeof cls);
  if (std::strcmp(cls, "#32770") == 0 && ::IsWindowVisible(hWnd) &&
      (!search->hOwner || ::GetWindow(hWnd, GW_OWNER) == search->hOwner))
    search->found.push_back(hWnd);
  return TRUE;
}

// The shown dialogs (class "#32770") of this thread owned by hOwner, or all of them for null.
inline std::vector<HWND> ShownDialogs(HWND hOwner) {
  DialogSearch search{hOwner, {}};
  ::EnumThreadWindows(::GetCurrentThreadId(), &CollectDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct State {
  std::vector<std::function<void()>> steps;
  size_t next = 0;
  int waited = 0;
  UINT_PTR timer = 0;
  HWND hWindow = nullptr;
};
inline State& TheState() {
  static State state;
  return state;
}

inline void Stop() {
  State& s = TheState();
  if (s.timer) ::KillTimer(nullptr, s.timer);
  s = State();
}

inline void CALLBACK RunNext(HWND, UINT, UINT_PTR, DWORD) {
  State& s = TheState();
  if (s.next == 0 && ShownDialogs(nullptr) == std::vector<HWND>{s.hWindow} && ++s.waited < 50)
    return;
  if (s.next < s.steps.size()) s.steps[s.next++]();
  if (s.next == s.steps.size() && s.timer) {  // done: the queue may fall quiet
    ::KillTimer(nullptr, s.timer);
    s.timer = 0;
  }
}

inline void Add(std::function<void()> step) {
  TheState().steps.push_back(std::move(step));
}

// hWindow: the dialog that is shown before the modal window opens.
inline void Start(HWND hWindow) {
  State& s = TheState();
  s.hWindow = hWindow;
  s.timer = ::SetTimer(nullptr, 0, 100, &RunNext);
}

// Pumps (with `pump`) until every step ran, at most 20 s; false when they did not.
inline bool RunAll(const std::function<void()>& pump) {
  const DWORD start = ::GetTickCount();
  const State& s = TheState();
  while (s.next < s.steps.size() && ::GetTickCount() - start < 20000) pump();
  return s.next == s.steps.size();
}

}  // namespace modal_steps
