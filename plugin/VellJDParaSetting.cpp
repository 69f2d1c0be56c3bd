#include "VellJDParaSetting.h"

#include <cstring>

#include "CommandGate.h"
#include "CommandHost_win.h"
#include "ConfigWindow_win.h"
#include "ParaSetCommand.h"
#include "VellJDParaSettingApp.h"
#include "Wnd.h"

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

// Where everything the command and its launch send themselves goes in: MouseStatus, and so the
// current-command gate.  The configuration windows send their requests the same way.
class CMouseStatusRoute : public vjd::command::ICommandSink {
 public:
  void Send(int code, int param1, int param2) override { MouseStatus(code, param1, param2); }
};

// The command with the Win32 parts it stands on, made with the first message that reaches the
// command and kept until the library unloads.
struct CommandInstance {
  CMouseStatusRoute route;
  host::CIntArrayHost array;
  host::CDrawingSymbolsHost drawing{TheLibraryState().pMap};
  CConfigWindows windows{TheLibraryState().pMap};
  CParaSetCommand command{array, drawing, windows, route};

  CommandInstance() { s_pLive = this; }
  // Runs after OnLibraryDetach: nothing of the host is held any more.
  ~CommandInstance() { s_pLive = nullptr; }
  CommandInstance(const CommandInstance&) = delete;
  CommandInstance& operator=(const CommandInstance&) = delete;

  static CommandInstance* s_pLive;  // the instance while it exists
};

CommandInstance* CommandInstance::s_pLive = nullptr;

CParaSetCommand& TheCommand() {
  static CommandInstance instance;
  return instance.command;
}

}  // namespace

int CommandHostObjectsHeld() {
  return CommandInstance::s_pLive ? CommandInstance::s_pLive->command.HostObjectsHeld() : 0;
}

void OnLibraryDetach(bool bProcessEnds) {
  if (CommandInstance::s_pLive) CommandInstance::s_pLive->command.OnLibraryDetach(bProcessEnds);
}

}  // namespace vjd

using vjd::TheLibraryState;

VJD_EXPORT void WINAPI GetCommandName(char* buffer) {
  vjd::CopyText(buffer, vjd::kCommandName);
}

VJD_EXPORT int WINAPI LaunchCommand() {
  try {
    const vjd::LibraryState& state = TheLibraryState();
    vjd::host::CPoMapHost map(state.pMap);
    vjd::CMouseStatusRoute route;
    bool running = false;
    if (vjd::command::Launch(state.pMap ? &map : nullptr, state.nCommandId, state.nAction,
                             vjd::kLaunchPrompt, route, &running))
      return 1;
    // Refused while this command runs (chosen again from the menu, say): its window is shown.
    if (running && vjd::CommandInstance::s_pLive)
      vjd::CommandInstance::s_pLive->command.OnLaunchWhileRunning();
    return 0;
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
    vjd::host::CPoMapHost map(state.pMap);
    int commandState = 0;
    if (!vjd::command::PassesGate(state.pMap ? &map : nullptr, state.nCommandId, commandState))
      return;
    CTempMapLock temps;  // window wrappers asked for while handling the message go when it returns
    vjd::TheCommand().OnMessage(map, code, param1, param2, commandState);
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
