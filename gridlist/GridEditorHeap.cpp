#include "GridEditorHeap.h"

#include "TestSeams.h"

namespace {
int g_live = 0;
}  // namespace

void* CGridEditorHeap::Allocate(std::size_t size) {
  void* block = fw::seam::Allocate(size);
  ++g_live;
  return block;
}

void CGridEditorHeap::Free(void* block) {
  if (!block) return;
  --g_live;
  fw::seam::Free(block);
}

int CGridEditorHeap::LiveCount() {
  return g_live;
}
