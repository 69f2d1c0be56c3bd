// The stand-in host program's entry: reads the command line, sets up COM and the integer-array
// class the plug-in creates, opens the log, creates the main window and runs the message loop.
#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "ActivationLog.h"
#include "HostLog.h"
#include "HostOptions.h"
#include "HostWindow.h"
#include "POIntArrayFactory.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  std::vector<std::wstring> args;
  int argc = 0;
  if (LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc)) {
    for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
    LocalFree(argv);
  }
  host::HostOptions options;
  std::wstring error;
  if (!options.Parse(args, error)) {
    MessageBoxW(nullptr, error.c_str(), L"VellJDHost", MB_OK | MB_ICONERROR);
    return 2;
  }
  if (FAILED(OleInitialize(nullptr))) return 3;
  host::HostLog log;
  if (!options.logFile.empty() && !log.Open(options.logFile)) {
    if (!options.batch)
      MessageBoxW(nullptr, (L"cannot write the log " + options.logFile).c_str(), L"VellJDHost",
                  MB_OK);
    return 4;
  }
  host::ActivationLog::Start(log);
  if (FAILED(om::RegisterIntArrayClass()))
    log.Line("error", "the integer array class could not be registered");

  // The plug-in keeps the map for as long as it is loaded, and its window may outlive the loop:
  // the session is left to the process end rather than torn down under it.
  auto* window = new host::HostWindow(options, log);
  if (!window->Create(show)) return 5;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (window->TranslateShortcut(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
