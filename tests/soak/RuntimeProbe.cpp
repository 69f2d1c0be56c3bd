// A module of this project that throws: each call throws an exception and catches it, so that
// the module's C++ runtime keeps this thread's exception state (under its thread key) and, on
// i686, finds the module's unwind tables registered at load.  The soak frees and loads it again
// and again.
#include <windows.h>

#include <stdexcept>

#include "StaticRuntime.h"

namespace {

__attribute__((noinline)) void Throw(int value) {
  if (value >= 0) throw std::runtime_error("probe");
}

}  // namespace

// `value` + 1 once the exception was caught.
extern "C" __declspec(dllexport) int vjd_probe_throw_and_catch(int value) {
  try {
    Throw(value);
  } catch (const std::exception&) {
    return value + 1;
  }
  return value;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) fw::ReleaseStaticRuntime();
  return TRUE;
}
