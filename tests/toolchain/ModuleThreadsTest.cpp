// The thread services each module gives its static C++ runtime (framework/runtime): once means
// once for racing threads, a lock excludes, a condition wakes its waiter, a key's values are
// per thread and each goes to its destructor when its thread ends or the keys are given back,
// and the clocks read what the system reads.
#include "ModuleThreads.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

namespace rt = fw::runtime;

namespace {

struct Start {
  const std::function<void(int)>* body;
  HANDLE go;
  int index;
};

DWORD WINAPI RunStart(LPVOID p) {
  auto* start = static_cast<Start*>(p);
  ::WaitForSingleObject(start->go, INFINITE);
  (*start->body)(start->index);
  return 0;
}

// Runs `body` on `count` threads released together, and waits for all of them to end: false when
// they did not within ten seconds (a thread that never wakes is left to the process's end).
bool OnThreads(int count, const std::function<void(int)>& body) {
  HANDLE go = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::vector<Start> starts(count);
  std::vector<HANDLE> threads;
  for (int i = 0; i < count; ++i) {
    starts[i] = {&body, go, i};
    threads.push_back(::CreateThread(nullptr, 0, &RunStart, &starts[i], 0, nullptr));
  }
  ::SetEvent(go);
  const bool ended = ::WaitForMultipleObjects(count, threads.data(), TRUE, 10000) != WAIT_TIMEOUT;
  if (!ended) return false;
  for (HANDLE h : threads) ::CloseHandle(h);
  ::CloseHandle(go);
  return true;
}

volatile long g_initRuns = 0;
volatile long g_initDone = 0;
void SlowInit() {
  ::InterlockedIncrement(&g_initRuns);
  ::Sleep(30);
  ::InterlockedExchange(&g_initDone, 1);
}

std::vector<void*> g_destroyed;
void RecordDestroyed(void* value) {
  g_destroyed.push_back(value);
}

}  // namespace

TEST(ModuleThreads, OnceRunsOnceAndReturnsToEveryCallerOnlyWhenDone) {
  volatile long state = 0;
  volatile long sawUnfinished = 0;
  ASSERT_TRUE(OnThreads(8, [&](int) {
    rt::RunOnce(&state, &SlowInit);
    if (!g_initDone) ::InterlockedIncrement(&sawUnfinished);
  }));
  EXPECT_EQ(1, g_initRuns);
  EXPECT_EQ(0, sawUnfinished);
}

TEST(ModuleThreads, LocksExcludeFromTheirStaticInitialiserOrInitialised) {
  for (const bool initialised : {false, true}) {
    std::intptr_t lock = -1;  // as the runtime's headers initialise one statically
    if (initialised) rt::InitLock(&lock);
    long counter = 0;
    ASSERT_TRUE(OnThreads(4, [&](int) {
      for (int i = 0; i < 20000; ++i) {
        rt::Lock(&lock);
        const long seen = counter;
        if (i % 64 == 0) ::SwitchToThread();  // another thread would step in here
        counter = seen + 1;
        rt::Unlock(&lock);
      }
    }));
    EXPECT_EQ(80000, counter) << (initialised ? "initialised" : "static initialiser");
  }
}

TEST(ModuleThreads, AConditionWakesItsWaitersWithTheLockTakenAgain) {
  std::intptr_t lock = -1, condition = -1;
  int waiting = 0;
  bool ready = false;
  volatile long woken = 0;
  ASSERT_TRUE(OnThreads(3, [&](int index) {
    rt::Lock(&lock);
    if (index == 0) {
      while (waiting < 2) {  // both others are inside Wait once they count themselves
        rt::Unlock(&lock);
        ::Sleep(1);
        rt::Lock(&lock);
      }
      ready = true;
      rt::WakeAll(&condition);
    } else {
      ++waiting;
      while (!ready) rt::Wait(&condition, &lock);
      ::InterlockedIncrement(&woken);
    }
    rt::Unlock(&lock);
  })) << "a waiter was never woken";
  EXPECT_EQ(2, woken);
}

TEST(ModuleThreads, EachThreadsValueGoesToTheDestructorWhenItEndsOrTheKeysGoBack) {
  g_destroyed.clear();
  unsigned key = 99;
  ASSERT_EQ(0, rt::CreateKey(&key, &RecordDestroyed));
  int mine = 0, first = 1, second = 2;
  ASSERT_EQ(0, rt::SetKeyValue(key, &mine));
  ASSERT_TRUE(OnThreads(3, [&](int index) {
    EXPECT_EQ(nullptr, rt::KeyValue(key));
    void* value = index == 0 ? &first : index == 1 ? &second : nullptr;  // the third sets none
    EXPECT_EQ(0, rt::SetKeyValue(key, value));
    EXPECT_EQ(value, rt::KeyValue(key));
  }));
  ASSERT_EQ(2u, g_destroyed.size());
  EXPECT_TRUE((g_destroyed[0] == &first && g_destroyed[1] == &second) ||
              (g_destroyed[0] == &second && g_destroyed[1] == &first));
  ::SetLastError(12345);
  EXPECT_EQ(&mine, rt::KeyValue(key));
  EXPECT_EQ(12345u, ::GetLastError()) << "reading a value changed the thread's last error";

  rt::ReleaseKeys();  // as the module does when it is freed
  ASSERT_EQ(3u, g_destroyed.size());
  EXPECT_EQ(&mine, g_destroyed[2]);
  EXPECT_EQ(0u, rt::LiveKeys());
  EXPECT_EQ(nullptr, rt::KeyValue(key));
  EXPECT_EQ(EINVAL, rt::SetKeyValue(key, &mine));
}

TEST(ModuleThreads, KeysRunOutAtTheirLimitAndComeBackWhenReleased) {
  std::vector<unsigned> keys(rt::kMaxKeys);
  for (unsigned& key : keys) ASSERT_EQ(0, rt::CreateKey(&key, nullptr));
  unsigned more = 0;
  EXPECT_EQ(EAGAIN, rt::CreateKey(&more, nullptr));
  rt::ReleaseKeys();
  EXPECT_EQ(0u, rt::LiveKeys());
  ASSERT_EQ(0, rt::CreateKey(&more, nullptr));
  rt::ReleaseKeys();
}

TEST(ModuleThreads, ClocksReadTheSystemsTime) {
  timespec now = {};
  ASSERT_EQ(0, rt::ClockTime(0, &now));
  EXPECT_LE(std::llabs(static_cast<long long>(now.tv_sec) - std::time(nullptr)), 2);
  timespec a = {}, b = {};
  ASSERT_EQ(0, rt::ClockTime(1, &a));
  ::Sleep(20);
  ASSERT_EQ(0, rt::ClockTime(1, &b));
  const double elapsed = (b.tv_sec - a.tv_sec) + (b.tv_nsec - a.tv_nsec) / 1e9;
  EXPECT_GE(elapsed, 0.015);
  EXPECT_LT(elapsed, 5.0);
  for (const timespec& t : {now, a, b}) EXPECT_TRUE(t.tv_nsec >= 0 && t.tv_nsec < 1000000000);
  errno = 0;
  EXPECT_EQ(-1, rt::ClockTime(2, &now));
  EXPECT_EQ(EINVAL, errno);
}
