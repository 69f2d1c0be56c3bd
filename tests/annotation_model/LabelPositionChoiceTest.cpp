// The label position window's choices: the button a code checks when the window opens, and the
// code and name that OK gives for the checked button.
#include <gtest/gtest.h>

#include "LabelPositionChoice.h"

namespace {

using namespace vjd::annotation;

// Every code, in the order of the window's buttons.  The outer ring (9 to 16) shares the names of
// the inner one except below and above, which count outwards.
const char* const kNames[25] = {"右上",   "右",     "右下",   "下一",  "左下", "左",   "左上",
                                "上一",   "中间",   "右上",   "右",    "右下", "下二", "左下",
                                "左",     "左上",   "上二",   "上三",  "上四", "下三", "下四",
                                "中上一", "中上二", "中下一", "中下二"};

TEST(LabelPositionChoice, EveryCodeChecksItsButtonAndItsButtonGivesItBackWithItsName) {
  for (int code = 0; code < 25; ++code) {
    SCOPED_TRACE(code);
    EXPECT_EQ(PositionButtonForCode(code), code);
    const PositionChoice choice = PositionChoiceForButton(code);
    EXPECT_EQ(choice.code, code);
    EXPECT_STREQ(choice.name, kNames[code]);
  }
}

TEST(LabelPositionChoice, NoCodeOrACodeBeyond24SelectsNothingAndNoButtonGivesNoName) {
  for (int outside : {-1, 25, -2, 1000}) {
    SCOPED_TRACE(outside);
    EXPECT_EQ(PositionButtonForCode(outside), -1);
    const PositionChoice choice = PositionChoiceForButton(outside);
    EXPECT_EQ(choice.code, -1);
    EXPECT_STREQ(choice.name, "");
  }
}

}  // namespace
