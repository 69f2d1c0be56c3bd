// The kernel's entity functions: kinds, names, parameters and labels, attribute blocks and
// placed symbols, over the process's entity store.
#include <cstring>

#include "EntityStore.h"
#include "SymbolLibrary.h"
#include "quarnkernel.h"

namespace qk {
namespace {

void CopyOut(const std::string& text, char* buffer, size_t size) {
  if (size == 0) return;
  std::string cut = CutGbk(text.c_str(), size - 1);
  std::memcpy(buffer, cut.c_str(), cut.size() + 1);
}

// The attribute block as the kernel answers it: the stored block with the entity's name at byte
// 24 and its symbol size at byte 84.
void FillAttributes(const Entity& entity, unsigned char* block) {
  std::memcpy(block, entity.attributes, QK_ATTR_BLOCK_SIZE);
  std::memset(block + QK_ATTR_TEXT, 0, QK_NAME_SIZE);
  std::string name = CutGbk(entity.name.c_str(), QK_NAME_SIZE - 1);
  std::memcpy(block + QK_ATTR_TEXT, name.data(), name.size());
  double size = entity.symbolHeight > entity.symbolWidth ? entity.symbolHeight : entity.symbolWidth;
  std::memcpy(block + QK_ATTR_SYMBOL_SIZE, &size, sizeof size);
}

int LabelParam(Entity& entity, int code, void* value, int index) {
  if (index < 0 || index >= static_cast<int>(entity.labels.size())) return 0;
  Label& label = entity.labels[static_cast<size_t>(index)];
  int* i = static_cast<int*>(value);
  double* d = static_cast<double*>(value);
  switch (code) {
    case ATTR_LABEL_TEXT_GET:
      CopyOut(label.text, static_cast<char*>(value), QK_LABEL_TEXT_SIZE);
      return 1;
    case ATTR_LABEL_TEXT_SET:
      label.text = CutGbk(static_cast<const char*>(value), QK_LABEL_TEXT_SIZE - 1);
      return 1;
    case ATTR_LABEL_VISIBLE_GET:
      *i = label.visible;
      return 1;
    case ATTR_LABEL_VISIBLE_SET:
      label.visible = *i;
      return 1;
    case ATTR_LABEL_POSITION_GET:
      *i = label.position;
      return 1;
    case ATTR_LABEL_POSITION_SET:
      label.position = *i;
      return 1;
    case ATTR_LABEL_ANCHOR_SET:
      std::memcpy(label.anchor, d, sizeof label.anchor);
      label.hasAnchor = true;
      return 1;
    case ATTR_LABEL_HEIGHT_GET:
      *d = label.height;
      return 1;
    case ATTR_LABEL_HEIGHT_SET:
      label.height = *d;
      return 1;
    case ATTR_LABEL_WIDTH_GET:
      *d = label.width;
      return 1;
    case ATTR_LABEL_WIDTH_SET:
      label.width = *d;
      return 1;
    case ATTR_LABEL_ANGLE_GET:
      *d = label.angle;
      return 1;
    case ATTR_LABEL_ANGLE_SET:
      label.angle = *d;
      return 1;
    case ATTR_LABEL_FOLLOW_GET:
      *i = label.follows;
      return 1;
    case ATTR_LABEL_FOLLOW_SET:
      label.follows = *i;
      return 1;
    case ATTR_LABEL_FORE_SET:
      label.fore = *static_cast<const uint32_t*>(value);
      return 1;
    case ATTR_LABEL_BACK_SET:
      label.back = *static_cast<const uint32_t*>(value);
      return 1;
    default:
      return 0;
  }
}

int Param(Entity& entity, int code, void* value, int index) {
  switch (code) {
    case ATTR_LABEL_COUNT_GET:
      *static_cast<int*>(value) = static_cast<int>(entity.labels.size());
      return 1;
    case ATTR_LABEL_COUNT_SET: {
      int count = *static_cast<const int*>(value);
      if (count < 0 || count > QK_MAX_LABELS) return 0;
      entity.labels.resize(static_cast<size_t>(count));
      return 1;
    }
    case ATTR_KIND_NAME:
      CopyOut(entity.kindName, static_cast<char*>(value), QK_NAME_SIZE);
      return 1;
    case ATTR_BASE_POINT_GET:
      std::memcpy(value, entity.basePoint, sizeof entity.basePoint);
      return 1;
    case ATTR_BASE_POINT_SET:
      std::memcpy(entity.basePoint, value, sizeof entity.basePoint);
      return 1;
    case ATTR_OUTLINE_SET: {
      if (index < 0 || index > 4096) return 0;  // index is the number of points
      const double* points = static_cast<const double*>(value);
      entity.outline.assign(points, points + 3 * index);
      return 1;
    }
    default:
      return LabelParam(entity, code, value, index);
  }
}

}  // namespace
}  // namespace qk

using qk::TheEntityStore;

extern "C" {

QK_API int QK_CALL GetEntityKind(QkEntity handle) {
  if (TheEntityStore().IsErased(handle)) return QK_KIND_NONE;  // the one uncounted question
  const qk::Entity* entity = TheEntityStore().Find(handle);
  return entity ? entity->kind : QK_KIND_NONE;
}

QK_API int QK_CALL GetEntityName(QkEntity handle, char* buffer, int size) {
  const qk::Entity* entity = TheEntityStore().Find(handle);
  if (!buffer || size <= 0) return 0;
  if (!entity) {
    buffer[0] = '\0';
    return 0;
  }
  qk::CopyOut(entity->name, buffer, static_cast<size_t>(size));
  return 1;
}

QK_API int QK_CALL EntityParam(QkEntity handle, int code, void* value, int index) {
  qk::Entity* entity = TheEntityStore().Find(handle);
  if (!entity || !value) return 0;
  try {
    return qk::Param(*entity, code, value, index);
  } catch (...) {
    return 0;
  }
}

QK_API QkEntity QK_CALL CreateEntity(int kind) {
  try {
    qk::Entity& entity = TheEntityStore().Create(kind, "", "");
    entity.loose = true;
    return entity.handle;
  } catch (...) {
    return 0;
  }
}

QK_API int QK_CALL GetEntityAttributes(QkEntity handle, void* block) {
  const qk::Entity* entity = TheEntityStore().Find(handle);
  if (!entity || !block) return 0;
  qk::FillAttributes(*entity, static_cast<unsigned char*>(block));
  return 1;
}

QK_API int QK_CALL SetEntityAttributes(QkEntity handle, const void* block) {
  qk::Entity* entity = TheEntityStore().Find(handle);
  if (!entity || !block) return 0;
  const unsigned char* bytes = static_cast<const unsigned char*>(block);
  std::memcpy(entity->attributes, bytes, QK_ATTR_BLOCK_SIZE);
  char name[QK_NAME_SIZE] = {};
  std::memcpy(name, bytes + QK_ATTR_TEXT, QK_NAME_SIZE - 1);
  try {
    entity->name = qk::CutGbk(name, QK_NAME_SIZE - 1);
  } catch (...) {
    return 0;
  }
  return 1;
}

QK_API int QK_CALL SetEntitySymbol(QkEntity handle, const QkSymbolRef* symbol) {
  qk::Entity* entity = TheEntityStore().Find(handle);
  if (!entity || !symbol) return 0;
  if (symbol->nLibrary != qk::SymbolLibrary::kPointLibrary ||
      symbol->nSubLibrary != qk::SymbolLibrary::kPointSubLibrary ||
      !qk::TheSymbolLibrary().At(symbol->nIndex))
    return 0;
  entity->symbolIndex = symbol->nIndex;
  entity->symbolWidth = symbol->dWidth;
  entity->symbolHeight = symbol->dHeight;
  entity->angle = symbol->dAngle;
  int flags = 0;
  std::memcpy(&flags, entity->attributes + QK_ATTR_FLAGS, sizeof flags);
  flags |= QK_ATTR_FLAG_SYMBOL;
  std::memcpy(entity->attributes + QK_ATTR_FLAGS, &flags, sizeof flags);
  return 1;
}

}  // extern "C"
