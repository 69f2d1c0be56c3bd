// The thread calls the module's static C++ runtime makes, by the names it makes them (libgcc's
// unwinder and emulated thread-local storage; libstdc++'s exception allocator, locales, guard of
// function-local statics and clocks), answered by ModuleThreads.  Linked as an object into every
// module, they come before the toolchain's threads library, which is then not linked at all. Should
// a newer runtime ask for a thread call not here, the linker takes that library after all and stops
// at the names defined twice: add the call here rather than let the library in.
#include <pthread.h>
#include <pthread_time.h>

#include <cerrno>

#include "ModuleThreads.h"

using fw::runtime::InitLock;
using fw::runtime::Lock;
using fw::runtime::Unlock;

extern "C" {

int pthread_once(pthread_once_t* once, void (*init)(void)) {
  fw::runtime::RunOnce(once, init);
  return 0;
}

// Only the default kind: the runtime's locks take no attributes (its recursive lock, the guard's,
// is never taken twice by one thread).
int pthread_mutex_init(pthread_mutex_t* mutex, const pthread_mutexattr_t* attributes) {
  if (attributes) return ENOTSUP;
  InitLock(mutex);
  return 0;
}

int pthread_mutex_destroy(pthread_mutex_t*) {
  return 0;
}

int pthread_mutex_lock(pthread_mutex_t* mutex) {
  Lock(mutex);
  return 0;
}

int pthread_mutex_unlock(pthread_mutex_t* mutex) {
  Unlock(mutex);
  return 0;
}

int pthread_cond_wait(pthread_cond_t* condition, pthread_mutex_t* mutex) {
  fw::runtime::Wait(condition, mutex);
  return 0;
}

int pthread_cond_broadcast(pthread_cond_t* condition) {
  fw::runtime::WakeAll(condition);
  return 0;
}

int pthread_key_create(pthread_key_t* key, void (*destroy)(void*)) {
  return fw::runtime::CreateKey(key, destroy);
}

void* pthread_getspecific(pthread_key_t key) {
  return fw::runtime::KeyValue(key);
}

int pthread_setspecific(pthread_key_t key, const void* value) {
  return fw::runtime::SetKeyValue(key, value);
}

int clock_gettime(clockid_t clock, struct timespec* now) {
  return fw::runtime::ClockTime(clock, now);
}

}  // extern "C"
