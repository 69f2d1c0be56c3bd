// The kernel's PrepareDisplay when memory runs out: a failure with the buffer left as it was,
// never an exception unwinding through the export.  Native builds only: the program's operator
// new is replaced so that it can fail (tests/support/FailingAllocation.h).
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "DisplayBuilder.h"
#include "DisplayReader.h"
#include "FailingAllocation.h"

namespace {

TEST(DisplayOutOfMemory, PreparingFailsInsteadOfThrowing) {
  qk::EntityView e;
  e.points = {0, 0, 1, 1, 2, 0};
  qk::LabelView l;
  l.text = "a label longer than a string keeps in itself";
  e.labels = {l};
  std::vector<uint8_t> d = qk::BuildDisplayData(e);
  bool prepared = true;
  {
    AllocationFailure failing;
    prepared = qk::DisplayReader::Prepare(d.data());
  }
  EXPECT_FALSE(prepared);
  EXPECT_FALSE(qk::DisplayReader(d.data()).Prepared()) << "the buffer is left as it was";
  EXPECT_TRUE(qk::DisplayReader::Prepare(d.data()));
  EXPECT_TRUE(qk::DisplayReader(d.data()).Prepared());
}

}  // namespace
