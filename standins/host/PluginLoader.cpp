#include "PluginLoader.h"

namespace host {
namespace {

// Reads one text export into a zeroed buffer far larger than the 21 bytes the contract needs.
std::string ReadText(void(WINAPI* fn)(char*)) {
  char buffer[256] = {};
  fn(buffer);
  buffer[sizeof buffer - 1] = '\0';
  return buffer;
}

template <typename Fn>
bool Bind(HMODULE module, const char* name, Fn& fn, std::string& missing) {
  fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  if (!fn) missing += (missing.empty() ? "" : ", ") + std::string(name);
  return fn != nullptr;
}

}  // namespace

bool PluginLoader::Load(const std::wstring& path, std::string& error) {
  HMODULE module = LoadLibraryW(path.c_str());
  if (!module) {
    error = "the plug-in could not be loaded (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  std::string missing;
  Bind(module, "GetCommandName", m_getCommandName, missing);
  Bind(module, "LaunchCommand", m_launchCommand, missing);
  Bind(module, "AttachPoMap", m_attachPoMap, missing);
  Bind(module, "SetPoAction", m_setPoAction, missing);
  Bind(module, "SetPoStatus", m_setPoStatus, missing);
  Bind(module, "MouseStatus", m_mouseStatus, missing);
  Bind(module, "GetCommandTranslateName", m_getTranslateName, missing);
  Bind(module, "GetGroupName", m_getGroupName, missing);
  Bind(module, "GetTheApp", m_getTheApp, missing);
  Bind(module, "SetPoUserCmdID", m_setPoUserCmdID, missing);
  Bind(module, "GetBmp", m_getBmp, missing);
  Bind(module, "GetToolBarName", m_getToolBarName, missing);
  Bind(module, "GetCommandType", m_getCommandType, missing);
  if (!missing.empty()) {
    FreeLibrary(module);
    error = "the plug-in lacks the exports " + missing;
    return false;
  }
  m_module = module;
  m_commandName = ReadText(m_getCommandName);
  m_translateName = ReadText(m_getTranslateName);
  m_groupName = ReadText(m_getGroupName);
  m_toolBarName = ReadText(m_getToolBarName);
  m_bitmap = m_getBmp();
  m_commandType = m_getCommandType();
  return true;
}

}  // namespace host
