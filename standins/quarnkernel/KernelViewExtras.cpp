// The kernel's functions for the stand-in host beyond the plug-in's contract (KernelViewExtras.h):
// the symbol library from a file, entity stroke colours, highlighted drawing, display boxes.
#include "KernelViewExtras.h"

#include <windows.h>

#include <cstring>
#include <map>
#include <string>

#include "DisplayBuilder.h"
#include "DisplayData.h"
#include "DisplayPainter.h"
#include "DisplayReader.h"
#include "EntityDisplay.h"
#include "EntityStore.h"
#include "SymbolLibrary.h"

namespace qk {
namespace {

std::map<QkEntity, uint32_t>& Colours() {
  static std::map<QkEntity, uint32_t> colours;
  return colours;
}

}  // namespace

EntityView ColouredView(const Entity& entity) {
  EntityView view = ViewOf(entity);
  auto c = Colours().find(entity.handle);
  if (c != Colours().end()) view.colour = c->second;
  return view;
}

}  // namespace qk

extern "C" {

QK_API int QK_CALL QkLoadSymbolLibrary(const char* path, char* error, int errorSize) {
  std::string why;
  bool ok = false;
  try {
    ok = qk::TheSymbolLibrary().LoadFile(path, why);
  } catch (...) {
    why = "out of memory while loading the symbol library";
  }
  if (error && errorSize > 0) {
    std::string cut = qk::CutGbk(why.c_str(), static_cast<size_t>(errorSize) - 1);
    std::memcpy(error, cut.c_str(), cut.size() + 1);
  }
  return ok ? 1 : 0;
}

QK_API int QK_CALL QkSetEntityColour(QkEntity entity, unsigned colour) {
  if (!qk::TheEntityStore().Find(entity)) return 0;
  try {
    qk::Colours()[entity] = colour;
  } catch (...) {
    return 0;
  }
  return 1;
}

QK_API unsigned QK_CALL QkGetEntityColour(QkEntity entity) {
  auto c = qk::Colours().find(entity);
  if (c == qk::Colours().end() || !qk::TheEntityStore().Find(entity))
    return qk::display::kByBackground;
  return c->second;
}

QK_API int QK_CALL QkDrawDisplayEx(void* dc, int a, int b, double offsetX, double offsetY,
                                   double scale, const void* buffer, unsigned background,
                                   unsigned colour, int penWidth) {
  if (!dc || !buffer || !(scale > 0)) return 0;
  try {
    COLORREF over = colour == qk::display::kByBackground ? CLR_INVALID : (colour & 0xFFFFFF);
    return qk::PaintDisplay(static_cast<HDC>(dc), a, b, offsetX, offsetY, scale, buffer,
                            background & 0xFFFFFF, over, penWidth < 1 ? 1 : penWidth)
               ? 1
               : 0;
  } catch (...) {
    return 0;
  }
}

QK_API int QK_CALL QkDisplayBox(const void* buffer, double* box) {
  if (!buffer || !box) return 0;
  qk::DisplayReader reader(static_cast<const uint8_t*>(buffer));
  if (!reader.Prepared()) return 0;
  reader.Box(box[0], box[1], box[2], box[3]);
  return 1;
}

}  // extern "C"
