#include "ResourceScope.h"

namespace {

HINSTANCE g_hResource = nullptr;  // nullptr: not set yet, i.e. the host executable
bool g_bResourceSet = false;

}  // namespace

HINSTANCE AfxGetInstanceHandle() {
  HMODULE module = nullptr;
  ::GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&AfxGetInstanceHandle), &module);
  return module;
}

HINSTANCE AfxGetResourceHandle() {
  return g_bResourceSet ? g_hResource : ::GetModuleHandleA(nullptr);
}

void AfxSetResourceHandle(HINSTANCE hInstResource) {
  g_hResource = hInstResource;
  g_bResourceSet = true;
}

CResourceScope::CResourceScope(HINSTANCE hInstResource) : m_hPrevious(AfxGetResourceHandle()) {
  AfxSetResourceHandle(hInstResource);
}

CResourceScope::~CResourceScope() {
  AfxSetResourceHandle(m_hPrevious);
}
