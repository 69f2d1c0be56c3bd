// The plug-in's main module: the thirteen exports through which the host lists, launches and
// drives the annotation configuration command, and the library-wide state they keep.
//
// Every export uses the Windows API calling convention and is exported under its plain name at a
// fixed ordinal (VellJDParaSetting.def).  Texts are GBK, copied with their terminating zero into
// a buffer of at least kHostTextBufferSize bytes that the host supplies.
#pragma once

#include <windows.h>

#include "CommandMessages.h"
#include "HostContract.h"

class CVellJDParaSettingApp;

// Exported through the .def file only: a dllexport attribute would add the decorated i686 names
// (Name@N) to the export table beside the plain ones.
#define VJD_EXPORT extern "C"

VJD_EXPORT void WINAPI GetCommandName(char* buffer);
VJD_EXPORT int WINAPI LaunchCommand();
VJD_EXPORT void WINAPI AttachPoMap(void* map);
VJD_EXPORT void WINAPI SetPoAction(int action);
VJD_EXPORT void WINAPI SetPoStatus(int commandId);
VJD_EXPORT void WINAPI MouseStatus(int code, int param1, int param2);
VJD_EXPORT void WINAPI GetCommandTranslateName(char* buffer);
VJD_EXPORT void WINAPI GetGroupName(char* buffer);
VJD_EXPORT CVellJDParaSettingApp* WINAPI GetTheApp();
VJD_EXPORT void WINAPI SetPoUserCmdID(int userCommandId);
VJD_EXPORT int WINAPI GetBmp();
VJD_EXPORT void WINAPI GetToolBarName(char* buffer);
VJD_EXPORT int WINAPI GetCommandType();

namespace vjd {

// The command's texts as the host reads them (GBK).
inline constexpr const char kCommandName[] = "标注配置(&S)";
inline constexpr const char kCommandTranslateName[] = "标注配置/paraset/ps>";
inline constexpr const char kGroupName[] = "供电辅助制图(&D)|%";
inline constexpr const char kToolBarName[] = "";
inline constexpr const char kLaunchPrompt[] = "<标注配置/paraset/ps>";
inline constexpr int kCommandType = 4;
inline constexpr int kHostTextBufferSize = 21;  // the longest text, 20 bytes, and its zero

// Library-wide state, zero when the library loads.  The map belongs to the host: it is stored as
// handed over, never referenced, released or tested here.
struct LibraryState {
  const VjdHostMap* pMap = nullptr;
  int nAction = 0;
  int nCommandId = 0;
  int nUserCommandId = 0;  // stored only; nothing reads it
};

LibraryState& TheLibraryState();

// The host objects the command holds now (its integer array: 0 or 1); 0 before the command
// exists.
int CommandHostObjectsHeld();
// The library is unloading (CParaSetCommand::OnLibraryDetach); nothing before the command exists.
void OnLibraryDetach(bool bProcessEnds);

}  // namespace vjd
