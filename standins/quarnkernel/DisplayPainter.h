// Paints display data (DisplayData.h) on a GDI device context, and converts between device and
// world coordinates.  The transform of every view of the kernel (the host's map view and the
// plug-in's preview alike):
//   device x = origin x + (world x + offset x) * kPixelsPerUnit * scale
//   device y = origin y - (world y + offset y) * kPixelsPerUnit * scale   (world y points up)
// where the origin is the DC's viewport origin (0, 0 for a window DC) and kPixelsPerUnit
// (EntityDisplay.h) is the kernel's pixels per drawing unit at scale 1.0.  So world = (device -
// origin) / (kPixelsPerUnit * scale) - offset, with y mirrored.
//
// Colours: kByBackground, or a colour equal to the view's background, is drawn in the
// background's contrast colour (white on dark, black on light) for strokes and text; a label
// background equal to the view's background (or kByBackground) is not painted at all.
#pragma once

#include <windows.h>

#include <cstdint>

#include "EntityDisplay.h"

namespace qk {

// The contrast of a background colour: white for a dark one, black for a light one.
COLORREF ContrastOf(COLORREF background);

// Draws one buffer; `override` (when not CLR_INVALID) replaces every colour, for highlighting.
// Returns false, drawing nothing, for a buffer that fails its check.
bool PaintDisplay(HDC dc, int originX, int originY, double offsetX, double offsetY, double scale,
                  const void* buffer, COLORREF background, COLORREF override = CLR_INVALID,
                  int penWidth = 1);

void WorldToDevice(double wx, double wy, int originX, int originY, double offsetX, double offsetY,
                   double scale, double& dx, double& dy);
void DeviceToWorldPoint(double dx, double dy, int originX, int originY, double offsetX,
                        double offsetY, double scale, double& wx, double& wy);

}  // namespace qk
