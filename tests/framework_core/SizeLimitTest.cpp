// Sizes at and beyond what the string and the array can hold: the arithmetic on counts and
// byte sizes never wraps, and a size that cannot be held throws std::bad_alloc with the object
// left as it was.  Runs in every build (the i686 one included, where the byte sizes of large
// elements reach the address space first).
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <new>

#include "CArray.h"
#include "CString.h"
#include "CStringArray.h"

#if defined(__SANITIZE_ADDRESS__)
// A request beyond the allocator's limit answers null, as the plain allocator does, instead of
// ending the program with a report.
extern "C" const char* __asan_default_options() {
  return "allocator_may_return_null=1";
}
#endif

namespace {

struct Megabyte {
  char bytes[1 << 20];
};

TEST(CArraySizes, AHugeGrowthStepStillGrowsTheArrayByWhatItNeeds) {
  // The device-symbol filter passes the size the host reports as the growth step.
  for (int step : {INT_MAX, INT_MAX - 1, 1 << 30}) {
    CArray<int, int> a;
    a.SetSize(0, step);
    for (int i = 0; i < 5; ++i) a.Add(i * 7);
    ASSERT_EQ(a.GetSize(), 5) << step;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(a[i], i * 7) << step;
  }
}

TEST(CArraySizes, CountsBeyondTheLimitThrowAndLeaveTheArrayAsItWas) {
  CStringArray a;
  a.Add("一");
  a.Add("two");
  EXPECT_THROW(a.InsertAt(1, CString("x"), INT_MAX), std::bad_alloc);
  EXPECT_THROW(a.InsertAt(INT_MAX, CString("x")), std::bad_alloc);
  EXPECT_THROW(a.InsertAt(INT_MAX - 1, CString("x"), 2), std::bad_alloc);
  EXPECT_THROW(a.SetAtGrow(INT_MAX, CString("x")), std::bad_alloc);
  ASSERT_EQ(a.GetSize(), 2);
  EXPECT_STREQ(a[0], "一");
  EXPECT_STREQ(a[1], "two");
  a.InsertAt(2, CString("three"));  // still usable
  EXPECT_EQ(a.GetSize(), 3);
}

TEST(CArraySizes, ElementBytesBeyondTheAddressSpaceAreRefused) {
  static_assert(
      static_cast<unsigned long long>(CArray<Megabyte>::MaxSize()) * sizeof(Megabyte) <= SIZE_MAX,
      "a block's byte size never wraps");
  CArray<Megabyte> a;
  EXPECT_THROW(a.SetSize(INT_MAX), std::bad_alloc);
  EXPECT_EQ(a.GetSize(), 0);
  EXPECT_EQ(a.GetData(), nullptr);
}

TEST(CStringSizes, TextsBeyondTheLimitThrowAndLeaveTheStringAsItWas) {
  CString s("电机");
  EXPECT_THROW(s.GetBuffer(INT_MAX), std::bad_alloc);
  EXPECT_THROW(s.GetBufferSetLength(INT_MAX / 2 + 1), std::bad_alloc);
  EXPECT_STREQ(s, "电机");
  EXPECT_THROW(CString(' ', INT_MAX), std::bad_alloc);
  EXPECT_THROW(CString("x", INT_MAX), std::bad_alloc);  // refused before a byte is read
  s += "型号";
  EXPECT_STREQ(s, "电机型号");
}

}  // namespace
