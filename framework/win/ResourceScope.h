// The resource context: the module in which dialog templates, bitmaps and strings are looked up.
//
// This code is linked into a library that runs inside a host program.  Outside of this module's
// own windows the context is the host's executable, as it is for the application framework of the
// host, so a template of this library is NOT found unless the caller switches the context first:
//
//     fw::CResourceScope scope;        // this module's resources until the end of the block
//     pDlg->Create(IDD_PARASET, nullptr);
//
// Every message that reaches a window of this module (AfxWndProc) runs with the context switched
// to this module, so handlers inside windows need no scope of their own.
#pragma once

#include <windows.h>

// The module (DLL or EXE) that this code is linked into.
HINSTANCE AfxGetInstanceHandle();
// Where resources are looked up now; at load the host executable's module.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);

// Switches the resource context for its lifetime and restores the previous one on destruction.
class CResourceScope {
 public:
  explicit CResourceScope(HINSTANCE hInstResource = AfxGetInstanceHandle());
  ~CResourceScope();

  CResourceScope(const CResourceScope&) = delete;
  CResourceScope& operator=(const CResourceScope&) = delete;

 private:
  HINSTANCE m_hPrevious;
};
