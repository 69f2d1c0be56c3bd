// The whole numbers a user may type where an int is expected, and the texts refused.
#include "WholeNumber.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(WholeNumber, ReadsDecimalNumbersWithBlanksAroundThemInsideTheIntRange) {
  const struct {
    const char* text;
    int value;
  } kRead[] = {{"0", 0},
               {" 42 ", 42},
               {"\t-3\t", -3},
               {"+7", 7},
               {"007", 7},
               {"-2147483648", INT_MIN},
               {"2147483647", INT_MAX}};
  for (const auto& c : kRead) {
    int value = 99;
    EXPECT_TRUE(ParseWholeNumber(c.text, &value)) << '"' << c.text << '"';
    EXPECT_EQ(value, c.value) << '"' << c.text << '"';
  }
}

TEST(WholeNumber, RefusesEverythingElseAndLeavesTheValue) {
  for (const char* text :
       {"", "  ", "12abc", "1 2", "2147483648", "-2147483649", "99999999999999999999", "-", "+",
        "+-1", "0x10", "1.5", "1e3", "４２", "\n5"}) {
    int value = 99;
    EXPECT_FALSE(ParseWholeNumber(text, &value)) << '"' << text << '"';
    EXPECT_EQ(value, 99) << '"' << text << '"';
  }
}

}  // namespace
