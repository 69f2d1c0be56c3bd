// The transform of every view of the kernel (the host's map view and the plug-in's preview alike):
//   device x = origin x + (world x + offset x) * kPixelsPerUnit * scale
//   device y = origin y - (world y + offset y) * kPixelsPerUnit * scale   (world y points up)
// where the origin is the DC's viewport origin (0, 0 for a window DC) and kPixelsPerUnit is the
// kernel's pixels per drawing unit at scale 1.0.  So world = (device - origin) / (kPixelsPerUnit *
// scale) - offset, with y mirrored.  A scale of 0 or less (or not a number) converts at 1.0.
#pragma once

namespace qk {

// Pixels per world unit at scale 1.0 of the kernel's drawing functions.
inline constexpr int kPixelsPerUnit = 10000;

// The scale a conversion uses: `scale`, or 1.0 when it is not above 0.
double ConversionScale(double scale);

void WorldToDevice(double wx, double wy, int originX, int originY, double offsetX, double offsetY,
                   double scale, double& dx, double& dy);
void DeviceToWorldPoint(double dx, double dy, int originX, int originY, double offsetX,
                        double offsetY, double scale, double& wx, double& wy);
// The world length of `length` device pixels at `scale`.
double DeviceLengthInWorld(double length, double scale);

}  // namespace qk
