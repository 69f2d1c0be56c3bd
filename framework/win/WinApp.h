// CWinApp: the application object of a library that runs inside a host program.  One static
// instance per module; constructing it registers it as the module's application (AfxGetApp).
// It keeps the module's name and instance handle and does no start-up work of its own: the host
// owns the process, its message loop and COM.
#pragma once

#include <windows.h>

class CWinApp {
 public:
  // Without a name the application is named after its module's file, without the extension.
  explicit CWinApp(LPCSTR lpszAppName = nullptr);
  virtual ~CWinApp();

  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  LPCSTR m_pszAppName;  // never null
  HINSTANCE m_hInstance;

 private:
  char m_szModuleName[MAX_PATH];
};

// The module's application object, or nullptr before it is constructed / after it is destroyed.
CWinApp* AfxGetApp();
// The application's name ("" without an application object): the caption of its message boxes.
LPCSTR AfxGetAppName();
