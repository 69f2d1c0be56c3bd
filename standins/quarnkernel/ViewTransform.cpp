#include "ViewTransform.h"

namespace qk {

double ConversionScale(double scale) {
  return scale > 0 ? scale : 1.0;
}

void WorldToDevice(double wx, double wy, int ox, int oy, double offX, double offY, double scale,
                   double& dx, double& dy) {
  dx = ox + (wx + offX) * kPixelsPerUnit * scale;
  dy = oy - (wy + offY) * kPixelsPerUnit * scale;
}

void DeviceToWorldPoint(double dx, double dy, int ox, int oy, double offX, double offY,
                        double scale, double& wx, double& wy) {
  double ppu = kPixelsPerUnit * scale;
  wx = (dx - ox) / ppu - offX;
  wy = -(dy - oy) / ppu - offY;
}

double DeviceLengthInWorld(double length, double scale) {
  return length / (kPixelsPerUnit * ConversionScale(scale));
}

}  // namespace qk
