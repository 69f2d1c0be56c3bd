#include "GridEditorHeap.h"

#include <cstdlib>
#include <new>

namespace {
CGridEditorHeap::AllocFn g_alloc = nullptr;
CGridEditorHeap::FreeFn g_free = nullptr;
int g_live = 0;
}  // namespace

void* CGridEditorHeap::Allocate(std::size_t size) {
  void* block = g_alloc ? g_alloc(size) : std::malloc(size);
  if (!block) throw std::bad_alloc();
  ++g_live;
  return block;
}

void CGridEditorHeap::Free(void* block) {
  if (!block) return;
  --g_live;
  if (g_free)
    g_free(block);
  else
    std::free(block);
}

void CGridEditorHeap::SetAllocator(AllocFn alloc, FreeFn release) {
  g_alloc = alloc;
  g_free = release;
}

int CGridEditorHeap::LiveCount() {
  return g_live;
}
