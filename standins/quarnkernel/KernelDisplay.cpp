// The kernel's display functions: the display data of an entity built from its symbol, line and
// labels, its drawing with GDI, and the device/world conversions.  The transform is that of
// ViewTransform.h, the colour rules those of DisplayPainter.h; the placement of labels from
// their position codes and the markup of label texts are those of DisplayBuilder.h.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

#include "DisplayBuilder.h"
#include "DisplayData.h"
#include "DisplayPainter.h"
#include "DisplayReader.h"
#include "EntityDisplay.h"
#include "EntityStore.h"
#include "KernelSetup.h"
#include "KernelViewExtras.h"
#include "SymbolLibrary.h"
#include "quarnkernel.h"

namespace qk {
extern "C" {

QK_API int QK_CALL GetDisplaySize(QkEntity handle) {
  qk::Entity* e = TheEntityStore().Find(handle);
  if (!e) return 0;
  try {
    e->lastDisplaySize = static_cast<int>(qk::BuildDisplayData(qk::ColouredView(*e)).size());
  } catch (...) {
    e->lastDisplaySize = 0;
  }
  return e->lastDisplaySize;
}

// The caller's buffer holds what GetDisplaySize last answered for this entity.  Should the entity
// have grown since (a label added in between), nothing larger is written: the buffer receives an
// empty display and the call fails, so it never overflows.
QK_API int QK_CALL BuildDisplay(QkEntity handle, void* buffer) {
  qk::Entity* e = TheEntityStore().Find(handle);
  if (!e || !buffer) return 0;
  try {
    std::vector<uint8_t> data = qk::BuildDisplayData(qk::ColouredView(*e));
    if (data.size() > static_cast<size_t>(e->lastDisplaySize)) {
      if (static_cast<size_t>(e->lastDisplaySize) < qk::display::kHeaderBytes) return 0;
      data = qk::BuildDisplayData(qk::EntityView());
      data.resize(qk::display::kHeaderBytes);
      std::memcpy(buffer, data.data(), data.size());
      return 0;
    }
    std::memcpy(buffer, data.data(), data.size());
    return 1;
  } catch (...) {
    return 0;
  }
}

QK_API int QK_CALL PrepareDisplay(void* buffer) {
  if (!buffer) return 0;
  return qk::DisplayReader::Prepare(static_cast<uint8_t*>(buffer)) ? 1 : 0;
}

QK_API int QK_CALL BeginDraw(void* dc, int* a, int* b) {
  if (!dc || !a || !b) return 0;
  POINT origin = {0, 0};
  GetViewportOrgEx(static_cast<HDC>(dc), &origin);
  *a = origin.x;
  *b = origin.y;
  return 1;
}

namespace {
int g_drawCalls = 0;  // DrawDisplay calls since the last reset, for the set-up interface
}  // namespace

QK_API int QK_CALL QkSetupDrawCalls(int reset) {
  const int calls = g_drawCalls;
  if (reset) g_drawCalls = 0;
  return calls;
}

QK_API int QK_CALL DrawDisplay(void* dc, int a, int b, double offsetX, double offsetY, double scale,
                               const void* buffer, unsigned background, int /*reserved*/) {
  ++g_drawCalls;
  if (!dc || !buffer || !(scale > 0)) return 0;
  try {
    return qk::PaintDisplay(static_cast<HDC>(dc), a, b, offsetX, offsetY, scale, buffer, background)
               ? 1
               : 0;
  } catch (...) {
    return 0;
  }
}

QK_API int QK_CALL DeviceToWorld(int x, int y, double* worldX, double* worldY, void* dc,
                                 double offsetX, double offsetY, double scale) {
  if (!worldX || !worldY) return 0;
  POINT origin = {0, 0};
  if (dc) GetViewportOrgEx(static_cast<HDC>(dc), &origin);
  qk::DeviceToWorldPoint(x, y, origin.x, origin.y, offsetX, offsetY, qk::ConversionScale(scale),
                         *worldX, *worldY);
  return 1;
}

QK_API double QK_CALL DeviceLengthToWorld(double length, double scale) {
  return qk::DeviceLengthInWorld(length, scale);
}

}  // extern "C"
}  // namespace qk
