// What a library built with the static C++ runtime (every Windows build here links libstdc++ into
// each module) gives back when the host frees it.  The runtime takes its emergency exception pool
// (some 70 kB) when the module loads and never returns it, so each load of a freed-and-reloaded
// library would leave one behind; and the key under which it keeps each thread's exception state
// (framework/runtime/ModuleThreads.h) would stay taken, with the state of every thread that threw.
// Call from DllMain on DLL_PROCESS_DETACH when the library is freed (lpReserved null), after
// everything else: no exception may be thrown in the module after it.  Not while the process
// ends: the process takes the memory with it.
#pragma once

#if defined(__GLIBCXX__)
namespace __gnu_cxx {
void __freeres() noexcept;  // libstdc++'s own hook for releasing its one-time allocations
}  // namespace __gnu_cxx
#endif

#if defined(_WIN32)
namespace fw {
namespace runtime {
void ReleaseKeys();  // ModuleThreads.h, linked into every module
}  // namespace runtime
}  // namespace fw
#endif

namespace fw {

inline void ReleaseStaticRuntime() {
#if defined(_WIN32)
  runtime::ReleaseKeys();
#endif
#if defined(__GLIBCXX__)
  __gnu_cxx::__freeres();
#endif
}

}  // namespace fw
