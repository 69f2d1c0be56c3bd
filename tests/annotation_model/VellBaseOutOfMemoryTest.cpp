// VellBase's exports when memory runs out: a failure (-1 and an empty text), never an exception
// unwinding into the caller.  Native builds only: the program's operator new is replaced so that
// it can fail (tests/support/FailingAllocation.h).
#include <gtest/gtest.h>

#include <cstring>

#include "FailingAllocation.h"
#include "VellBase.h"

namespace {

TEST(VellBaseOutOfMemory, TheExportsFailInsteadOfThrowing) {
  // Texts longer than a string keeps in itself, so that each call allocates.
  const char number[] = "   123456.7890000000000   ";
  char tidied[64] = "unchanged";
  char real[64] = "unchanged";
  int tidiedLength = 0, realLength = 0;
  {
    AllocationFailure failing;
    tidiedLength = FormatNumberText(number, tidied, sizeof tidied);
    realLength = FormatReal(0.1 + 0.2, real, sizeof real);
  }
  EXPECT_EQ(tidiedLength, -1);
  EXPECT_STREQ(tidied, "");
  EXPECT_EQ(realLength, -1);
  EXPECT_STREQ(real, "");
  // With memory they work again.
  EXPECT_EQ(FormatNumberText(number, tidied, sizeof tidied), 10);
  EXPECT_STREQ(tidied, "123456.789");
}

}  // namespace
