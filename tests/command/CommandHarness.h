// A small host for the runs through the plug-in DLL: COM on this thread, the integer array class
// registered, one map object over an in-memory drawing, a map window, kernel entities of chosen
// kinds, and the call log.  The plug-in is reached through PluginCalls, filled with the DLL's
// exports.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "CallLog.h"
#include "Drawing.h"
#include "HostContract.h"

namespace om {
class PoMap;
}

struct PluginCalls {
  void(WINAPI* AttachPoMap)(void*) = nullptr;
  void(WINAPI* SetPoStatus)(int) = nullptr;
  void(WINAPI* SetPoAction)(int) = nullptr;
  int(WINAPI* LaunchCommand)() = nullptr;
  void(WINAPI* MouseStatus)(int, int, int) = nullptr;
};

// An export of a loaded module by name, as the host finds it; null when there is none.
template <typename Fn>
Fn PluginExport(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

// The five exports a host drives the command with; false when one of them is missing.
bool BindPluginCalls(HMODULE module, PluginCalls& calls);

class StandInHost {
 public:
  static constexpr int kCommandId = 4711;

  explicit StandInHost(const PluginCalls& calls);
  ~StandInHost();
  StandInHost(const StandInHost&) = delete;
  StandInHost& operator=(const StandInHost&) = delete;

  // What a host does after it loaded the plug-in again: the new library's functions, and the map,
  // the command id and the action handed to them.
  void Reattach(const PluginCalls& calls);

  om::Drawing& Drawing();

  // A kernel entity of `kind` with entity id `id` in the drawing; returns its handle.
  int AddEntity(int id, int kind);
  void Select(const std::vector<int>& ids);
  // What the host does for each entity the user picks: appends its id to the armed array.
  // False when no pick is armed.
  bool Pick(int id);

  // The object model's call log since the last ClearLog.
  const om::CallLog& Log() const { return om::TheCallLog(); }
  void ClearLog() { om::TheCallLog().Clear(); }

  int LiveIntArrays() const;

  // A configuration window of this thread (caption "标注配置"), if any.
  static HWND FindConfigWindow();

  PluginCalls m_calls;

 private:
  om::PoMap* m_pMap;
  VjdHostMap m_hostMap;
  HWND m_hMapWnd;
};

// Pumps this thread's messages until the queue is empty.
void PumpMessages();
