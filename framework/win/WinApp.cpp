#include "WinApp.h"

#include <cstring>

#include "ResourceScope.h"

namespace {
CWinApp* g_pApp = nullptr;
}  // namespace

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_pszAppName(lpszAppName), m_hInstance(AfxGetInstanceHandle()), m_szModuleName() {
  if (!m_pszAppName) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(m_hInstance, path, MAX_PATH - 1);
    const char* name = path;
    for (const char* p = path; *p; ++p) {
      if (::IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1]) {
        ++p;  // the second byte of a double-byte character may look like a separator
      } else if (*p == '\\' || *p == '/') {
        name = p + 1;
      }
    }
    std::strncpy(m_szModuleName, name, MAX_PATH - 1);
    if (char* dot = std::strrchr(m_szModuleName, '.')) *dot = '\0';
    m_pszAppName = m_szModuleName;
  }
  g_pApp = this;
}

CWinApp::~CWinApp() {
  if (g_pApp == this) g_pApp = nullptr;
}

CWinApp* AfxGetApp() {
  return g_pApp;
}

LPCSTR AfxGetAppName() {
  return g_pApp ? g_pApp->m_pszAppName : "";
}
