// CGridEditorHeap: where the grid's in-place editor objects get their memory.
//
// Editors are allocated and freed only here (their classes route operator new and delete here),
// on the watched heap of the test seams (TestSeams.h): plain malloc/free in the product.  Tests
// install a heap that never reuses an address and makes a freed block inaccessible, so that any
// touch of an editor after it was freed faults at once instead of going unnoticed.
#pragma once

#include <cstddef>

class CGridEditorHeap {
 public:
  static void* Allocate(std::size_t size);
  static void Free(void* block);

  // Editors allocated and not yet freed (any allocator).
  static int LiveCount();
};
