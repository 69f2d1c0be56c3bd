// How far the grid's edit box grows with its text: right and down, up to 2 pixels short of the
// grid's edges, with a scroll bar where it stops at the bottom, never smaller than it is.
#include "GridEditFit.h"

#include <gtest/gtest.h>

namespace {

// A box of 100 x 20 at (10, 20) with a 96 x 16 client area, in a grid of 300 x 200.
constexpr GridBox kBox{10, 20, 110, 40};

struct Case {
  const char* what;
  GridBox box;
  CGridEditFit::Size needed;
  GridBox after;
  bool scrollBar;
};

const Case kCases[] = {
    {"a text that fits leaves the box", kBox, {96, 16}, kBox, false},
    {"wider text widens it", kBox, {150, 10}, {10, 20, 164, 40}, false},
    {"it stops 2 pixels short of the right edge", kBox, {1000, 10}, {10, 20, 298, 40}, false},
    {"more lines lengthen it", kBox, {50, 40}, {10, 20, 110, 64}, false},
    {"it stops 2 pixels short of the bottom", kBox, {50, 1000}, {10, 20, 110, 198}, true},
    {"reaching that line is stopping there", kBox, {50, 174}, {10, 20, 110, 198}, true},
    {"both ways", kBox, {1000, 1000}, {10, 20, 298, 198}, true},
    {"a box past the edge does not shrink",
     {10, 20, 299, 40},
     {1000, 10},
     {10, 20, 299, 40},
     false},
};

TEST(GridEditFit, TheBoxGrowsWithItsTextUpToTheGridsEdges) {
  for (const Case& c : kCases) {
    const CGridEditFit::Result r = CGridEditFit::Grow(c.box, 96, 16, 300, 200, c.needed);
    EXPECT_EQ(r.box, c.after) << c.what;
    EXPECT_EQ(r.scrollBar, c.scrollBar) << c.what;
    EXPECT_EQ(r.moved, c.after != c.box) << c.what;
  }
}

TEST(GridEditFit, AMultiLineTextTakesTheWrappingWithFewerLines) {
  EXPECT_EQ(CGridEditFit::WideWidth(96, kBox, 300), 286);  // widened to the grid's right edge
  const auto needed = CGridEditFit::Needed({90, 60}, {200, 20});  // wraps less when wide
  EXPECT_EQ(needed.cx, 205);
  EXPECT_EQ(needed.cy, 25);
  const auto same = CGridEditFit::Needed({90, 10}, {200, 20});
  EXPECT_EQ(same.cx, 95);
  EXPECT_EQ(CGridEditFit::NeededOnOneLine(120).cx, 125);
}

}  // namespace
