// The preview's view over a device that maps pixels as the kernel's contract says: fitting the
// extents into half the window's middle, the wheel about the cursor, and the scale at which
// painting stops drawing.
#include <gtest/gtest.h>

#include <string>

#include "PreviewView.h"

namespace {

using vjd::annotation::IDeviceMapping;
using vjd::annotation::PreviewView;

// 1000 pixels a drawing unit at scale 1, device y downwards, the origin at (3, 5).
class LinearDevice : public IDeviceMapping {
 public:
  void DeviceToWorld(int x, int y, double offsetX, double offsetY, double scale, double* worldX,
                     double* worldY) const override {
    *worldX = (x - 3) / (1000.0 * scale) - offsetX;
    *worldY = -(y - 5) / (1000.0 * scale) - offsetY;
  }
  double DeviceLengthToWorld(double pixels, double scale) const override {
    return pixels / (1000.0 * (scale > 0 ? scale : 1.0));
  }
};

const LinearDevice kDevice;

struct FitCase {
  const char* what;
  double extent[4];
  int width, height;
  double scale;
};

// With the margin of 0.003 the extents below are 0.1 x 0.05 (or 0.05 x 0.1) drawing units.
const FitCase kFits[] = {
    {"wide extents, the width decides", {0.0, 0.0, 0.097, 0.047}, 400, 160, 1.6},
    {"wide extents, the height decides", {0.0, 0.0, 0.097, 0.047}, 200, 160, 1.0},
    {"tall extents off the origin", {-0.004, 0.01, 0.043, 0.107}, 200, 160, 0.8},
    {"extents without size but the margin", {0.002, 0.002, 0.002, 0.002}, 60, 30, 5.0},
    {"extents that give no size", {0.0, 0.0, -0.003, -0.003}, 200, 160, 1.0},
    {"no client area", {0.0, 0.0, 0.097, 0.047}, 0, 0, 1.0},
};

// And fitting again after zooming gives the same view.
TEST(PreviewView, FittingPutsTheExtentsInHalfTheWindowAndInItsMiddle) {
  for (const FitCase& c : kFits) {
    SCOPED_TRACE(c.what);
    PreviewView view;
    view.FitExtents(c.extent, c.width, c.height, kDevice);
    EXPECT_NEAR(view.Scale(), c.scale, c.scale * 1e-12);
    double cx, cy;
    view.ClientToWorld(c.width / 2, c.height / 2, kDevice, &cx, &cy);
    EXPECT_NEAR(cx, (c.extent[0] + c.extent[2]) / 2, 1e-12);
    EXPECT_NEAR(cy, (c.extent[1] + c.extent[3]) / 2, 1e-12);
    const PreviewView fitted = view;
    view.Wheel(5, 5, true, kDevice);
    view.Wheel(150, 20, true, kDevice);
    view.FitExtents(c.extent, c.width, c.height, kDevice);
    EXPECT_DOUBLE_EQ(view.Scale(), fitted.Scale());
    EXPECT_DOUBLE_EQ(view.OffsetX(), fitted.OffsetX());
    EXPECT_DOUBLE_EQ(view.OffsetY(), fitted.OffsetY());
  }
}

TEST(PreviewView, TheWheelZoomsAboutTheCursorAndBackToTheSameScale) {
  const double extent[4] = {0.0, 0.0, 0.097, 0.047};
  const struct { int x, y; } kCursors[] = {{37, 121}, {0, 0}, {199, 159}, {100, 80}};
  for (const auto& cursor : kCursors) {
    SCOPED_TRACE("cursor at " + std::to_string(cursor.x) + ", " + std::to_string(cursor.y));
    PreviewView view;
    view.FitExtents(extent, 200, 160, kDevice);
    const double scale = view.Scale();
    double wx, wy;
    view.ClientToWorld(cursor.x, cursor.y, kDevice, &wx, &wy);
    const struct {
      bool zoomIn;
      double factor;
    } kSteps[] = {{true, 1.7}, {true, 1.7 * 1.7}, {false, 1.7}, {false, 1.0}, {false, 1 / 1.7}};
    for (const auto& step : kSteps) {
      view.Wheel(cursor.x, cursor.y, step.zoomIn, kDevice);
      EXPECT_NEAR(view.Scale(), scale * step.factor, scale * 1e-9);
      double x, y;
      view.ClientToWorld(cursor.x, cursor.y, kDevice, &x, &y);
      EXPECT_NEAR(x, wx, 1e-9);
      EXPECT_NEAR(y, wy, 1e-9);
    }
  }
}

TEST(PreviewView, DrawingStopsOnceTheScaleReachesAThousandMillion) {
  PreviewView view;
  EXPECT_TRUE(view.Draws());
  const double extent[4] = {0.0, 0.0, 0.097, 0.047};
  view.FitExtents(extent, 200, 160, kDevice);
  while (view.Scale() * 1.7 < 1e9) view.Wheel(100, 80, true, kDevice);
  EXPECT_TRUE(view.Draws()) << "still drawn just below, at " << view.Scale();
  view.Wheel(100, 80, true, kDevice);
  ASSERT_GE(view.Scale(), 1e9);
  EXPECT_FALSE(view.Draws());
  view.Wheel(100, 80, false, kDevice);
  EXPECT_TRUE(view.Draws()) << "and drawn again below";
}

}  // namespace
