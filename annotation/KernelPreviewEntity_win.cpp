#include "KernelPreviewEntity.h"

int KernelPreviewEntity::Param(int code, void* value, int index) {
  return ::EntityParam(m_entity, code, value, index);
}

int KernelPreviewEntity::GetAttributes(EntityAttributeBlock& block) {
  return ::GetEntityAttributes(m_entity, &block);
}

int KernelPreviewEntity::SetAttributes(const EntityAttributeBlock& block) {
  return ::SetEntityAttributes(m_entity, &block);
}

int KernelPreviewEntity::SetSymbol(const QkSymbolRef& symbol) {
  return ::SetEntitySymbol(m_entity, &symbol);
}

int KernelSymbolLibrary::GetSymbolCount() const {
  return ::GetSymbolCount(7, 0);
}

std::string KernelSymbolLibrary::GetSymbolName(int index) const {
  char name[QK_NAME_SIZE] = {0};
  ::GetSymbolName(7, 0, index, sizeof name, name);
  name[sizeof name - 1] = '\0';
  return name;
}

void KernelSymbolLibrary::GetSymbolExtent(int index, double extent[4]) const {
  extent[0] = extent[1] = extent[2] = extent[3] = 0.0;
  ::GetSymbolExtent(7, 0, index, extent);
}
