// CWinApp: the application object of a library that runs inside a host program.  One static
// instance per module; constructing it registers it as the module's application (AfxGetApp).
// It keeps the module's name and instance handle and does no start-up work of its own: the host
// owns the process, its message loop and COM.
#pragma once

#include <windows.h>

class CWinApp {
 public:
  explicit CWinApp(LPCSTR lpszAppName = nullptr);
  virtual ~CWinApp();

  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  LPCSTR m_pszAppName;  // nullptr: no name given
  HINSTANCE m_hInstance;
};

// The module's application object, or nullptr before it is constructed / after it is destroyed.
CWinApp* AfxGetApp();
