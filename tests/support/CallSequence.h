// The strict check of a call log in a test: EXPECT_TRUE(IsCallSequence(log.Lines(), {...})) holds
// when the lines are the expected ones, one for one and in order (om::CallLog::Mismatch), and
// otherwise prints both side by side.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CallLog.h"

namespace vjd::testing {

inline ::testing::AssertionResult IsCallSequence(
    const std::vector<std::string>& lines, const std::vector<om::CallLog::Expected>& expected) {
  const std::string table = om::CallLog::Mismatch(lines, expected);
  if (table.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << table;
}

}  // namespace vjd::testing
