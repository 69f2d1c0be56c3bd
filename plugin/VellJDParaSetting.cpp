#include "VellJDParaSetting.h"

#include <cstring>

#include "ParaSetCommand.h"
#include "PoMapDriver.h"
#include "VellJDParaSettingApp.h"

namespace vjd {

LibraryState& TheLibraryState() {
  static LibraryState state;
  return state;
}

namespace {

CVellJDParaSettingApp theApp;

void CopyText(char* buffer, const char* text) {
  if (buffer) std::memcpy(buffer, text, std::strlen(text) + 1);
}

// Runs the launch; the command-state object is held by `commandState` and released when it goes
// out of scope, whichever way the function returns.
int Launch() {
  const LibraryState& state = TheLibraryState();
  host::CPoMapDriver map(state.pMap);
  int currentId = 0, currentState = 0;
  map.GetCurrentCommand(currentId, currentState);
  host::CPoCommandStateDriver commandState = map.CommandState();
  if (!commandState.CanStartCommand()) return 0;
  if (commandState.IsCommandBlocked(state.nCommandId)) return 0;
  if (currentId == state.nCommandId) return 0;
  commandState.PrepareCommand();
  // A command the map did not make current would never hear of the user's input: the map is
  // asked afterwards, since one may accept the call and keep another command current.
  if (!map.SetCurrentCommand(state.nCommandId, currentState)) return 0;
  int nowId = 0, nowState = 0;
  if (!map.GetCurrentCommand(nowId, nowState) || nowId != state.nCommandId) return 0;
  map.SetPrompt(kLaunchPrompt);
  map.SetAction(state.nAction);
  MouseStatus(command::kStart, 0, 0);
  return 1;
}

}  // namespace
}  // namespace vjd

using vjd::TheLibraryState;

VJD_EXPORT void WINAPI GetCommandName(char* buffer) {
  vjd::CopyText(buffer, vjd::kCommandName);
}

VJD_EXPORT int WINAPI LaunchCommand() {
  try {
    return vjd::Launch();
  } catch (...) {
    return 0;  // nothing may unwind into the host
  }
}

VJD_EXPORT void WINAPI AttachPoMap(void* map) {
  TheLibraryState().pMap = static_cast<const VjdHostMap*>(map);
}

VJD_EXPORT void WINAPI SetPoAction(int action) {
  TheLibraryState().nAction = action;
}

VJD_EXPORT void WINAPI SetPoStatus(int commandId) {
  TheLibraryState().nCommandId = commandId;
}

VJD_EXPORT void WINAPI MouseStatus(int code, int param1, int param2) {
  try {
    const vjd::LibraryState& state = TheLibraryState();
    if (!state.pMap) return;  // no map attached: there is nothing to work on
    vjd::host::CPoMapDriver map(state.pMap);
    int currentId = 0, currentState = 0;
    map.GetCurrentCommand(currentId, currentState);
    if (currentId != state.nCommandId) return;  // another command is current
    CParaSetCommand::Instance().OnMessage(code, param1, param2, currentState);
  } catch (...) {
    // nothing may unwind into the host
  }
}

VJD_EXPORT void WINAPI GetCommandTranslateName(char* buffer) {
  vjd::CopyText(buffer, vjd::kCommandTranslateName);
}

VJD_EXPORT void WINAPI GetGroupName(char* buffer) {
  vjd::CopyText(buffer, vjd::kGroupName);
}

VJD_EXPORT CVellJDParaSettingApp* WINAPI GetTheApp() {
  return &vjd::theApp;
}

VJD_EXPORT void WINAPI SetPoUserCmdID(int userCommandId) {
  TheLibraryState().nUserCommandId = userCommandId;
}

VJD_EXPORT int WINAPI GetBmp() {
  return 0;
}

VJD_EXPORT void WINAPI GetToolBarName(char* buffer) {
  vjd::CopyText(buffer, vjd::kToolBarName);
}

VJD_EXPORT int WINAPI GetCommandType() {
  return vjd::kCommandType;
}
