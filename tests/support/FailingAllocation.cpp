#include "FailingAllocation.h"

#include <cstdlib>
#include <new>

namespace {
bool g_failing = false;
}

AllocationFailure::AllocationFailure() {
  g_failing = true;
}

AllocationFailure::~AllocationFailure() {
  g_failing = false;
}

void* operator new(std::size_t size) {
  void* block = g_failing ? nullptr : std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void* operator new[](std::size_t size) {
  return operator new(size);
}

void operator delete(void* block) noexcept {
  std::free(block);
}

void operator delete[](void* block) noexcept {
  std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept {
  std::free(block);
}
