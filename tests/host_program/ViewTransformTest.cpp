// The kernel's view transform: where a world point is drawn, the way back, and device lengths.
#include "ViewTransform.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ViewTransform, DrawsWorldPointsWithYUpAndConvertsThemBack) {
  const struct {
    int ox, oy;         // the viewport origin
    double offX, offY;  // the view's offset
    double scale;
    double wx, wy;  // a world point
    double dx, dy;  // where it is drawn
  } kCases[] = {
      {0, 0, 0, 0, 1.0, 1.0, 1.0, 10000, -10000},
      {30, 20, 2.0, -1.5, 0.01, -1.0, 1.0, 130, 70},
      {0, 0, -3.0, 4.0, 0.5, 3.0, -4.0, 0, 0},
      {-5, 7, 0.25, 0, 2e-3, 0.75, -2.0, 15, 47},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.scale);
    double dx = 0, dy = 0, wx = 0, wy = 0;
    qk::WorldToDevice(c.wx, c.wy, c.ox, c.oy, c.offX, c.offY, c.scale, dx, dy);
    EXPECT_NEAR(dx, c.dx, 1e-9);
    EXPECT_NEAR(dy, c.dy, 1e-9);
    qk::DeviceToWorldPoint(c.dx, c.dy, c.ox, c.oy, c.offX, c.offY, c.scale, wx, wy);
    EXPECT_NEAR(wx, c.wx, 1e-12);
    EXPECT_NEAR(wy, c.wy, 1e-12);
  }
}

TEST(ViewTransform, DeviceLengthsInWorldUnitsConvertAtOneWithoutAPositiveScale) {
  const struct {
    double length, scale, world;
  } kCases[] = {{40, 0.01, 0.4}, {40, 0.02, 0.2},   {10000, 1.0, 1.0},
                {40, 0, 0.004},  {40, -2.0, 0.004}, {40, std::nan(""), 0.004}};
  for (const auto& c : kCases) {
    EXPECT_NEAR(qk::DeviceLengthInWorld(c.length, c.scale), c.world, 1e-15)
        << c.length << " at " << c.scale;
  }
}

}  // namespace
