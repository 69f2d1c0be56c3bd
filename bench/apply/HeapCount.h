// Counts the heap of the benchmark's own module (every operator new and delete of its code) in
// two accounts, the plug-in's and the host's: an allocation made while a HostSide scope is open
// belongs to the host, every other one to the plug-in, and goes back to the same account when it
// is freed.  Linking HeapCount.cpp replaces the global operator new and delete of the program.
// One thread only.
#pragma once

#include <cstddef>

namespace vjd::bench {

struct HeapAccount {
  std::size_t live = 0;  // bytes allocated and not yet freed
  std::size_t peak = 0;  // the highest `live` since the last ResetPeaks
};

// The plug-in's account and the host's.
HeapAccount& PluginHeap();
HeapAccount& HostHeap();

// Both peaks start again from what is live now.
void ResetPeaks();

// While one lives, allocations are the host's.  Enter and Leave open and close the same scope
// for code that cannot keep one (the hooks of a fake host around each of its calls).
class HostSide {
 public:
  HostSide() { Enter(); }
  ~HostSide() { Leave(); }
  static void Enter();
  static void Leave();
  HostSide(const HostSide&) = delete;
  HostSide& operator=(const HostSide&) = delete;
};

}  // namespace vjd::bench
