#include "KernelSetup.h"

#include <cstring>
#include <string>

#include "EntityStore.h"
#include "SymbolLibrary.h"

namespace {

qk::Label* FindLabel(QkEntity handle, int index) {
  qk::Entity* entity = qk::TheEntityStore().Find(handle);
  if (!entity || index < 0 || index >= static_cast<int>(entity->labels.size())) return nullptr;
  return &entity->labels[static_cast<size_t>(index)];
}

void ReportError(const std::string& message, char* error, int errorSize) {
  if (!error || errorSize <= 0) return;
  std::string cut = qk::CutGbk(message.c_str(), static_cast<size_t>(errorSize) - 1);
  std::memcpy(error, cut.c_str(), cut.size() + 1);
}

}  // namespace

extern "C" {

QK_API void QK_CALL QkSetupReset(void) {
  qk::TheEntityStore().Clear();
}

QK_API QkEntity QK_CALL QkSetupCreateEntity(int kind, const char* name, const char* kindName) {
  try {
    return qk::TheEntityStore().Create(kind, name ? name : "", kindName ? kindName : "").handle;
  } catch (...) {
    return 0;
  }
}

QK_API int QK_CALL QkSetupRemoveEntity(QkEntity entity) {
  return qk::TheEntityStore().Remove(entity) ? 1 : 0;
}

QK_API int QK_CALL QkSetupEraseEntity(QkEntity entity, int erased) {
  return qk::TheEntityStore().SetErased(entity, erased != 0) ? 1 : 0;
}

QK_API int QK_CALL QkSetupErasedLookups(int reset) {
  return qk::TheEntityStore().ErasedLookups(reset != 0);
}

QK_API int QK_CALL QkSetupEntityCount(void) {
  return qk::TheEntityStore().Count();
}

QK_API int QK_CALL QkSetupGetEntities(QkEntity* handles, int capacity) {
  try {
    std::vector<QkEntity> all = qk::TheEntityStore().Handles();
    for (int i = 0; handles && i < capacity && i < static_cast<int>(all.size()); ++i)
      handles[i] = all[static_cast<size_t>(i)];
    return static_cast<int>(all.size());
  } catch (...) {
    return 0;
  }
}

QK_API int QK_CALL QkSetupSetEntityName(QkEntity handle, const char* name) {
  qk::Entity* entity = qk::TheEntityStore().Find(handle);
  if (!entity || !name) return 0;
  entity->name = qk::CutGbk(name, QK_NAME_SIZE - 1);
  return 1;
}

QK_API int QK_CALL QkSetupSetKindName(QkEntity handle, const char* kindName) {
  qk::Entity* entity = qk::TheEntityStore().Find(handle);
  if (!entity || !kindName) return 0;
  entity->kindName = qk::CutGbk(kindName, QK_NAME_SIZE - 1);
  return 1;
}

QK_API int QK_CALL QkSetupSetEntityAngle(QkEntity handle, double degrees) {
  qk::Entity* entity = qk::TheEntityStore().Find(handle);
  if (!entity) return 0;
  entity->angle = degrees;
  return 1;
}

QK_API int QK_CALL QkSetupSetEntityPoints(QkEntity handle, const double* xy, int count) {
  qk::Entity* entity = qk::TheEntityStore().Find(handle);
  if (!entity || count < 0 || (count > 0 && !xy)) return 0;
  try {
    entity->points.assign(xy, xy + 2 * count);
  } catch (...) {
    return 0;
  }
  return 1;
}

QK_API int QK_CALL QkSetupGetEntitySymbol(QkEntity handle) {
  const qk::Entity* entity = qk::TheEntityStore().Find(handle);
  return entity ? entity->symbolIndex : -1;
}

QK_API int QK_CALL QkSetupGetLabelAnchor(QkEntity entity, int index, double* xyz) {
  const qk::Label* label = FindLabel(entity, index);
  if (!label || !label->hasAnchor || !xyz) return 0;
  std::memcpy(xyz, label->anchor, sizeof label->anchor);
  return 1;
}

QK_API int QK_CALL QkSetupGetLabelColours(QkEntity entity, int index, unsigned* fore,
                                          unsigned* back) {
  const qk::Label* label = FindLabel(entity, index);
  if (!label) return 0;
  if (fore) *fore = label->fore;
  if (back) *back = label->back;
  return 1;
}

QK_API int QK_CALL QkSetupGetOutline(QkEntity handle, double* xyz, int capacity) {
  const qk::Entity* entity = qk::TheEntityStore().Find(handle);
  if (!entity) return 0;
  int points = static_cast<int>(entity->outline.size() / 3);
  for (int i = 0; xyz && i < 3 * capacity && i < 3 * points; ++i)
    xyz[i] = entity->outline[static_cast<size_t>(i)];
  return points;
}

QK_API int QK_CALL QkSetupLoadSymbolText(const char* text, char* error, int errorSize) {
  try {
    std::string message;
    if (text && qk::TheSymbolLibrary().LoadText(text, message)) return 1;
    ReportError(text ? message : "no text", error, errorSize);
  } catch (...) {
    ReportError("out of memory", error, errorSize);
  }
  return 0;
}

}  // extern "C"
