// The few thread services the static C++ runtime of a Windows module asks for: the locks of the
// unwinder, the exception allocator, the locales and the guard of function-local statics, the
// one-time set-up of each, the condition the guard waits on, the per-thread key under which the
// runtime keeps each thread's exception state, and the clock behind std::chrono.
//
// Every module here links libgcc and libstdc++ statically, and they ask for these services by
// their POSIX names (RuntimeThreadCalls.cpp).  Answered by the threads library of the toolchain
// (winpthreads, linked statically as well), the first of these calls on a thread makes that
// library keep a record of the thread for good: a duplicate of its handle, an event, a TLS index
// and a few hundred bytes, none of which is given back when the module is freed.  An i686 module
// makes that call while it loads (its unwinder registers its frame tables under a lock set up
// once), so each load of a freed-and-reloaded library left them behind.  Answered here, nothing is
// kept per thread but the runtime's own value under its key: locks are slim reader/writer locks in
// the caller's word, one-time set-ups a word of state, keys fiber-local storage indexes whose
// values are destroyed when their thread ends and, with the index itself, when ReleaseKeys runs.
#pragma once

#include <cstdint>
#include <ctime>

namespace fw {
namespace runtime {

// Runs `init` once for `state` (0 before the first call, as the runtime initialises it); every
// caller returns only after it has run.  `init` must not run the same `state` again.
void RunOnce(volatile long* state, void (*init)());

// A lock in the caller's pointer-sized word: `InitLock` makes it free; a word still holding one
// of the POSIX static initialisers (-1, -2, -3) counts as free too.  Not recursive.
void InitLock(std::intptr_t* lock);
void Lock(std::intptr_t* lock);
void Unlock(std::intptr_t* lock);

// A condition in the caller's pointer-sized word, free as 0 or -1 (the POSIX static initialiser):
// Wait releases `lock` (held by the caller) until WakeAll, and takes it again.
void Wait(std::intptr_t* condition, std::intptr_t* lock);
void WakeAll(std::intptr_t* condition);

// Keys for per-thread values.  `destroy` (or null) gets each thread's value that is not null
// when the thread ends, and when ReleaseKeys runs.  At most kMaxKeys live at once.
constexpr unsigned kMaxKeys = 8;
// 0, or EAGAIN when no key or no system index is left.
int CreateKey(unsigned* key, void (*destroy)(void*));
// The calling thread's value under `key` (null when none or no such key); the thread's last
// error stays as it was.
void* KeyValue(unsigned key);
// 0, or EINVAL for no such key, ENOMEM when the system refuses.
int SetKeyValue(unsigned key, const void* value);
// Gives every key back: each thread's value goes to the key's `destroy`, the indexes to the
// system.  For the module's unloading, after its last exception.
void ReleaseKeys();
// How many keys are live (for the checks).
unsigned LiveKeys();

// clock_gettime of CLOCK_REALTIME (0) and CLOCK_MONOTONIC (1): 0, or -1 with errno EINVAL for
// another clock.
int ClockTime(int clock, timespec* now);

}  // namespace runtime
}  // namespace fw
