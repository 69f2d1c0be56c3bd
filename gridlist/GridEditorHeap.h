// CGridEditorHeap: where the grid's in-place editor objects get their memory.
//
// Editors are allocated and freed only through this seam (their classes route operator new and
// delete here).  In the product it is plain malloc/free.  Tests install an allocator that never
// reuses an address and makes a freed block inaccessible, so that any touch of an editor after it
// was freed faults at once instead of going unnoticed.
#pragma once

#include <cstddef>

class CGridEditorHeap {
 public:
  using AllocFn = void* (*)(std::size_t size);
  using FreeFn = void (*)(void* block);

  static void* Allocate(std::size_t size);
  static void Free(void* block);

  // Installs another allocator pair; nullptrs restore malloc/free.  Only while no editor lives.
  static void SetAllocator(AllocFn alloc, FreeFn release);

  // Editors allocated and not yet freed (any allocator).
  static int LiveCount();
};
