// The preview entity and the point-symbol library answered by the host kernel (quarnkernel):
// the adapters through which the portable catalogue and label code reach the kernel in the
// Windows build.  Both borrow; the entity belongs to the preview's kernel document.
#pragma once

#include "IPreviewEntity.h"
#include "ISymbolLibrary.h"

class KernelPreviewEntity : public IPreviewEntity {
 public:
  explicit KernelPreviewEntity(QkEntity entity) : m_entity(entity) {}
  int Param(int code, void* value, int index) override;
  int GetAttributes(EntityAttributeBlock& block) override;
  int SetAttributes(const EntityAttributeBlock& block) override;
  int SetSymbol(const QkSymbolRef& symbol) override;

 private:
  QkEntity m_entity;
};

// Library 7, sub-library 0.  Indices the kernel does not have are passed on unchecked.
class KernelSymbolLibrary : public ISymbolLibrary {
 public:
  int GetSymbolCount() const override;
  std::string GetSymbolName(int index) const override;
  void GetSymbolExtent(int index, double extent[4]) const override;
};
