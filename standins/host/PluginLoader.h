// Loads a command plug-in with LoadLibrary and reaches its thirteen exports by name.  Loading
// fails as a whole (with a reason) when the library or any export is missing.  The loader owns
// the module; it is not freed on destruction while a plug-in window may still be open, the
// process end releases it.
#pragma once

#include <windows.h>

#include <string>

namespace host {

class PluginLoader {
 public:
  bool Load(const std::wstring& path, std::string& error);
  bool IsLoaded() const { return m_module != nullptr; }

  // The plug-in's texts (GBK), read once at load.
  const std::string& CommandName() const { return m_commandName; }
  const std::string& TranslateName() const { return m_translateName; }
  const std::string& GroupName() const { return m_groupName; }
  const std::string& ToolBarName() const { return m_toolBarName; }
  int Bitmap() const { return m_bitmap; }
  int CommandType() const { return m_commandType; }

  void AttachPoMap(void* map) const { m_attachPoMap(map); }
  void SetPoAction(int action) const { m_setPoAction(action); }
  void SetPoStatus(int id) const { m_setPoStatus(id); }
  void SetPoUserCmdID(int id) const { m_setPoUserCmdID(id); }
  int LaunchCommand() const { return m_launchCommand(); }
  void MouseStatus(int code, int p1, int p2) const { m_mouseStatus(code, p1, p2); }
  void* TheApp() const { return m_getTheApp(); }

 private:
  using TextFn = void(WINAPI*)(char*);
  using IntFn = int(WINAPI*)();
  using VoidIntFn = void(WINAPI*)(int);
  using PtrFn = void(WINAPI*)(void*);
  using MouseFn = void(WINAPI*)(int, int, int);
  using AppFn = void*(WINAPI*)();

  HMODULE m_module = nullptr;
  TextFn m_getCommandName = nullptr, m_getTranslateName = nullptr, m_getGroupName = nullptr,
         m_getToolBarName = nullptr;
  IntFn m_launchCommand = nullptr, m_getBmp = nullptr, m_getCommandType = nullptr;
  PtrFn m_attachPoMap = nullptr;
  VoidIntFn m_setPoAction = nullptr, m_setPoStatus = nullptr, m_setPoUserCmdID = nullptr;
  MouseFn m_mouseStatus = nullptr;
  AppFn m_getTheApp = nullptr;
  std::string m_commandName, m_translateName, m_groupName, m_toolBarName;
  int m_bitmap = 0, m_commandType = 0;
};

}  // namespace host
