// Allocation in the string and the array: the program links with -Wl,--wrap=malloc, so every
// malloc of the statically linked code (the framework's string and array among it) is seen here
// and can be made to fail for one operation.  A failed allocation throws std::bad_alloc and
// leaves its object as it was; nothing aborts.  Native builds only (GNU ld's --wrap).
#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <new>

#include "CArray.h"
#include "CString.h"
#include "CStringArray.h"

extern "C" void* __real_malloc(std::size_t size);

namespace {
bool g_failAllocations = false;
std::size_t g_largestRequest = 0;
}  // namespace

extern "C" void* __wrap_malloc(std::size_t size) {
  if (size > g_largestRequest) g_largestRequest = size;
  return g_failAllocations ? nullptr : __real_malloc(size);
}

namespace {

// Runs `operation` with every allocation failing; true when it threw std::bad_alloc.
template <class Operation>
bool FailsForLackOfMemory(Operation operation) {
  g_failAllocations = true;
  bool threw = false;
  try {
    operation();
  } catch (const std::bad_alloc&) {
    threw = true;
  }
  g_failAllocations = false;
  return threw;
}

// The largest block `operation` asks for.
template <class Operation>
std::size_t LargestRequestOf(Operation operation) {
  g_largestRequest = 0;
  operation();
  return g_largestRequest;
}

TEST(AllocationSize, AHugeGrowthStepReservesNoMoreThanTheArrayAgain) {
  // The device-symbol filter passes the size the host reports as the growth step.
  for (int step : {INT_MAX, INT_MAX - 1, 1 << 30, 1 << 20}) {
    CArray<int, int> a;
    a.SetSize(0, step);
    const std::size_t largest = LargestRequestOf([&] {
      for (int i = 0; i < 100; ++i) a.Add(i);
    });
    EXPECT_LE(largest, (100 + 1024) * sizeof(int)) << step;
    EXPECT_EQ(a.GetSize(), 100);
  }
  CArray<int, int> stepped;  // an ordinary step is kept
  stepped.SetSize(0, 50);
  stepped.Add(1);
  EXPECT_EQ(LargestRequestOf([&] { stepped.Add(2); }), 51 * sizeof(int));
}

TEST(AllocationFailure, AStringThatGetsNoBlockThrowsAndKeepsItsText) {
  CString s("保留");
  const CString shared(s);
  EXPECT_TRUE(FailsForLackOfMemory([&] { s += "more"; }));
  EXPECT_TRUE(FailsForLackOfMemory([&] { s.SetAt(0, 'x'); }));  // its own copy first
  EXPECT_TRUE(FailsForLackOfMemory([&] { s.Format("%d", 42); }));
  EXPECT_TRUE(FailsForLackOfMemory([&] { s = "other"; }));
  EXPECT_TRUE(FailsForLackOfMemory([] { CString fresh("new"); }));
  EXPECT_STREQ(s, "保留");
  EXPECT_STREQ(shared, "保留");
  s += "!";
  EXPECT_STREQ(s, "保留!");
}

TEST(AllocationFailure, AnArrayThatCannotGrowThrowsAndKeepsItsElements) {
  CArray<int, int> numbers;
  numbers.Add(1);
  numbers.FreeExtra();  // full: the next element needs a new block
  EXPECT_TRUE(FailsForLackOfMemory([&] { numbers.Add(2); }));
  EXPECT_TRUE(FailsForLackOfMemory([&] { numbers.InsertAt(0, 5, 3); }));
  ASSERT_EQ(numbers.GetSize(), 1);
  EXPECT_EQ(numbers[0], 1);

  CStringArray texts;
  texts.Add("一");
  texts.FreeExtra();
  const CString two("二");
  EXPECT_TRUE(FailsForLackOfMemory([&] { texts.Add(two); }));
  EXPECT_TRUE(FailsForLackOfMemory([&] { texts.SetSize(100); }));
  ASSERT_EQ(texts.GetSize(), 1);
  EXPECT_STREQ(texts[0], "一");
  texts.Add(two);
  EXPECT_STREQ(texts[1], "二");
}

}  // namespace
