#include "DebugOutputLog_win.h"

#include <windows.h>

#include <string>

void CDebugOutputLog::Write(const char* line) {
  const std::string text = std::string("VellJDParaSetting: ") + line + "\n";
  OutputDebugStringA(text.c_str());
}

CDebugOutputLog& CDebugOutputLog::Instance() {
  static CDebugOutputLog log;
  return log;
}
