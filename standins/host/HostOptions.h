// The stand-in host program's command line:
//   VellJDHost.exe [options] [drawing.vjd]
//     --log FILE          write host-side events to FILE as UTF-8 text lines (HostLog.h)
//     --launch            launch the plug-in's command once the drawing is shown
//     --select ID,ID,...  select these entities before launching
//     --screenshot FILE   once the command's window is open, write a BMP picture of the screen
//     --exit              leave by itself after the screenshot (or at once without one)
//     --plugin FILE       the plug-in to load (default VellJDParaSetting.dll beside the program)
//     --batch             report failures on the prompt line and in the log only, never in a
//                         message box (for runs nobody watches)
// Parsing never fails silently: an unknown option or a missing value is an error to show.
#pragma once

#include <string>
#include <vector>

namespace host {

struct HostOptions {
  std::wstring drawing;
  std::wstring logFile;
  std::wstring screenshot;
  std::wstring plugin;
  std::vector<int> select;
  bool launch = false;
  bool exitAfter = false;
  bool batch = false;

  // `args` excludes the program name.  False with `error` set for a malformed command line.
  bool Parse(const std::vector<std::wstring>& args, std::wstring& error);
};

}  // namespace host
