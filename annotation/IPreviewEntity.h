// The kernel entity that the configuration window's preview shows, as the label code sees it:
// its parameters (EntityParam codes of quarnkernel.h), its attribute block and its symbol.  The
// window answers it from the kernel; tests answer it from memory.  The entity belongs to the
// preview's kernel document, never to an implementation of this interface.
#pragma once

#include "EntityAttributeBlock.h"

class IPreviewEntity {
 public:
  virtual ~IPreviewEntity() = default;
  // One parameter, as EntityParam (code, value address, label index); non-zero on success.
  virtual int Param(int code, void* value, int index) = 0;
  virtual int GetAttributes(EntityAttributeBlock& block) = 0;
  virtual int SetAttributes(const EntityAttributeBlock& block) = 0;
  virtual int SetSymbol(const QkSymbolRef& symbol) = 0;
};
