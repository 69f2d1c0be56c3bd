// Paints display data (DisplayData.h) on a GDI device context, in the view transform of
// ViewTransform.h.
//
// Colours: kByBackground, or a colour equal to the view's background, is drawn in the
// background's contrast colour (white on dark, black on light) for strokes and text; a label
// background equal to the view's background (or kByBackground) is not painted at all.
#pragma once

#include <windows.h>

#include <cstdint>

#include "EntityDisplay.h"
#include "ViewTransform.h"

namespace qk {

// The contrast of a background colour: white for a dark one, black for a light one.
COLORREF ContrastOf(COLORREF background);

// Draws one buffer; `override` (when not CLR_INVALID) replaces every colour, for highlighting.
// Returns false, drawing nothing, for a buffer that fails its check.
bool PaintDisplay(HDC dc, int originX, int originY, double offsetX, double offsetY, double scale,
                  const void* buffer, COLORREF background, COLORREF override = CLR_INVALID,
                  int penWidth = 1);

}  // namespace qk
