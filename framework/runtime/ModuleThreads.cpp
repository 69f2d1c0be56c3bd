#include "ModuleThreads.h"

#include <windows.h>

#include <cerrno>

namespace fw {
namespace runtime {

namespace {

enum OnceState : long { kNotRun = 0, kDone = 1, kRunning = 2 };

SRWLOCK* AsSrwLock(std::intptr_t* lock) {
  return reinterpret_cast<SRWLOCK*>(lock);
}

// The POSIX static initialisers the runtime's headers may leave in a lock or condition word.  No
// word of a slim lock or condition in use takes these values: its high bits point at an aligned
// wait block.  Turned into the system's own initial value, 0, once.
void ForgetStaticInitialiser(std::intptr_t* word) {
  const std::intptr_t value = *reinterpret_cast<volatile std::intptr_t*>(word);
  if (value >= -3 && value <= -1)
    ::InterlockedCompareExchangePointer(reinterpret_cast<PVOID volatile*>(word), nullptr,
                                        reinterpret_cast<PVOID>(value));
}

struct KeySlot {
  DWORD index = FLS_OUT_OF_INDEXES;
  void (*destroy)(void*) = nullptr;
};

KeySlot g_keys[kMaxKeys];
SRWLOCK g_keysLock = SRWLOCK_INIT;

// The system calls a key's callback with the standard calling convention and no word of which
// key it is: one callback per slot.
template <unsigned N>
VOID NTAPI DestroyValue(PVOID value) {
  if (value && g_keys[N].destroy) g_keys[N].destroy(value);
}

const PFLS_CALLBACK_FUNCTION kCallbacks[kMaxKeys] = {
    &DestroyValue<0>, &DestroyValue<1>, &DestroyValue<2>, &DestroyValue<3>,
    &DestroyValue<4>, &DestroyValue<5>, &DestroyValue<6>, &DestroyValue<7>};

bool IsLiveKey(unsigned key) {
  return key < kMaxKeys && g_keys[key].index != FLS_OUT_OF_INDEXES;
}

}  // namespace

void RunOnce(volatile long* state, void (*init)()) {
  if (::InterlockedCompareExchange(state, kDone, kDone) == kDone) return;
  if (::InterlockedCompareExchange(state, kRunning, kNotRun) == kNotRun) {
    init();
    ::InterlockedExchange(state, kDone);
    return;
  }
  while (::InterlockedCompareExchange(state, kDone, kDone) != kDone) ::SwitchToThread();
}

void InitLock(std::intptr_t* lock) {
  ::InitializeSRWLock(AsSrwLock(lock));
}

void Lock(std::intptr_t* lock) {
  ForgetStaticInitialiser(lock);
  ::AcquireSRWLockExclusive(AsSrwLock(lock));
}

void Unlock(std::intptr_t* lock) {
  ::ReleaseSRWLockExclusive(AsSrwLock(lock));
}

void Wait(std::intptr_t* condition, std::intptr_t* lock) {
  ForgetStaticInitialiser(condition);
  ::SleepConditionVariableSRW(reinterpret_cast<CONDITION_VARIABLE*>(condition), AsSrwLock(lock),
                              INFINITE, 0);
}

void WakeAll(std::intptr_t* condition) {
  ForgetStaticInitialiser(condition);
  ::WakeAllConditionVariable(reinterpret_cast<CONDITION_VARIABLE*>(condition));
}

int CreateKey(unsigned* key, void (*destroy)(void*)) {
  ::AcquireSRWLockExclusive(&g_keysLock);
  int result = EAGAIN;
  for (unsigned slot = 0; slot < kMaxKeys; ++slot) {
    if (g_keys[slot].index != FLS_OUT_OF_INDEXES) continue;
    g_keys[slot].destroy = destroy;
    const DWORD index = ::FlsAlloc(kCallbacks[slot]);
    if (index != FLS_OUT_OF_INDEXES) {
      g_keys[slot].index = index;
      *key = slot;
      result = 0;
    }
    break;
  }
  ::ReleaseSRWLockExclusive(&g_keysLock);
  return result;
}

void* KeyValue(unsigned key) {
  if (!IsLiveKey(key)) return nullptr;
  const DWORD lastError = ::GetLastError();
  void* value = ::FlsGetValue(g_keys[key].index);
  ::SetLastError(lastError);
  return value;
}

int SetKeyValue(unsigned key, const void* value) {
  if (!IsLiveKey(key)) return EINVAL;
  const DWORD lastError = ::GetLastError();
  const bool set = ::FlsSetValue(g_keys[key].index, const_cast<void*>(value));
  ::SetLastError(lastError);
  return set ? 0 : ENOMEM;
}

void ReleaseKeys() {
  ::AcquireSRWLockExclusive(&g_keysLock);
  for (KeySlot& slot : g_keys) {
    if (slot.index == FLS_OUT_OF_INDEXES) continue;
    ::FlsFree(slot.index);  // each thread's value that is not null goes to the callback first
    slot = KeySlot();
  }
  ::ReleaseSRWLockExclusive(&g_keysLock);
}

unsigned LiveKeys() {
  unsigned live = 0;
  for (unsigned key = 0; key < kMaxKeys; ++key) live += IsLiveKey(key);
  return live;
}

int ClockTime(int clock, timespec* now) {
  constexpr long long kNanosPerSecond = 1000000000;
  long long seconds = 0, nanos = 0;
  if (clock == 0) {  // CLOCK_REALTIME: 100 ns steps since 1601
    FILETIME ft;
    ::GetSystemTimeAsFileTime(&ft);
    const long long ticks = ((static_cast<long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime) -
                            116444736000000000LL;  // 1970-01-01
    seconds = ticks / 10000000;
    nanos = ticks % 10000000 * 100;
  } else if (clock == 1) {  // CLOCK_MONOTONIC
    LARGE_INTEGER count, frequency;
    ::QueryPerformanceCounter(&count);
    ::QueryPerformanceFrequency(&frequency);
    seconds = count.QuadPart / frequency.QuadPart;
    nanos = count.QuadPart % frequency.QuadPart * kNanosPerSecond / frequency.QuadPart;
  } else {
    errno = EINVAL;
    return -1;
  }
  now->tv_sec = static_cast<decltype(now->tv_sec)>(seconds);
  now->tv_nsec = static_cast<long>(nanos);
  return 0;
}

}  // namespace runtime
}  // namespace fw
