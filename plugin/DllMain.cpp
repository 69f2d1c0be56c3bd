// The library's entry point.  Only the unloading matters here: what the plug-in holds of the host
// goes back when the host frees the library, and is left alone when the whole process ends, when
// the host's objects may already be gone (static destructors run after this, inside the same
// detach, so they find nothing left to release).
#include <windows.h>

#include "StaticRuntime.h"
#include "VellJDParaSetting.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason != DLL_PROCESS_DETACH) return TRUE;
  const bool bProcessEnds = reserved != nullptr;
  try {
    vjd::OnLibraryDetach(bProcessEnds);
  } catch (...) {
    // nothing may unwind into the loader
  }
  if (!bProcessEnds) fw::ReleaseStaticRuntime();
  return TRUE;
}
