// The kernel's symbol-library functions over the process's point-symbol library.
#include <cstring>

#include "EntityStore.h"
#include "SymbolLibrary.h"
#include "quarnkernel.h"

namespace {

const qk::Symbol* PointSymbol(int library, int subLibrary, int index) {
  if (library != qk::SymbolLibrary::kPointLibrary ||
      subLibrary != qk::SymbolLibrary::kPointSubLibrary)
    return nullptr;
  return qk::TheSymbolLibrary().At(index);
}

}  // namespace

extern "C" {

QK_API int QK_CALL GetSymbolCount(int library, int subLibrary) {
  if (library != qk::SymbolLibrary::kPointLibrary ||
      subLibrary != qk::SymbolLibrary::kPointSubLibrary)
    return 0;
  return qk::TheSymbolLibrary().Count();
}

QK_API int QK_CALL GetSymbolName(int library, int subLibrary, int index, int size, char* buffer) {
  if (!buffer || size <= 0) return 0;
  buffer[0] = '\0';
  const qk::Symbol* symbol = PointSymbol(library, subLibrary, index);
  if (!symbol) return 0;
  try {
    std::string name = qk::CutGbk(symbol->name.c_str(), static_cast<size_t>(size) - 1);
    std::memcpy(buffer, name.c_str(), name.size() + 1);
  } catch (...) {
    return 0;
  }
  return 1;
}

QK_API int QK_CALL GetSymbolExtent(int library, int subLibrary, int index, double* extent) {
  const qk::Symbol* symbol = PointSymbol(library, subLibrary, index);
  if (!symbol || !extent) return 0;
  extent[0] = symbol->x1;
  extent[1] = symbol->y1;
  extent[2] = symbol->x2;
  extent[3] = symbol->y2;
  return 1;
}

}  // extern "C"
