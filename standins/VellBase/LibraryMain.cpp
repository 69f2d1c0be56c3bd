// The library's entry point: freed by its host, it gives its C++ runtime's one-time allocations
// back, so loading and freeing it again and again leaves nothing behind.
#include <windows.h>

#include "StaticRuntime.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) fw::ReleaseStaticRuntime();
  return TRUE;
}
