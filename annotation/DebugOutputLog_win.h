// CDebugOutputLog: the command's log, where the configuration file's operations note what the user
// may like to know without being asked (IFileLog): Windows' debug output (OutputDebugString),
// which a debugger or a debug-output viewer shows, and Wine with WINEDEBUG=+debugstr.  Lines go
// out as they come, each with the plug-in's name; nothing is kept.
#pragma once

#include "LabelConfigFile.h"

class CDebugOutputLog : public vjd::annotation::IFileLog {
 public:
  void Write(const char* line) override;
  // The one log of the process.
  static CDebugOutputLog& Instance();
};
