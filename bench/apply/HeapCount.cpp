#include "HeapCount.h"

#include <cstdlib>
#include <new>

namespace vjd::bench {

namespace {

HeapAccount g_plugin, g_host;
int g_hostDepth = 0;

// Every block carries its size and its account in front of what the caller gets, in a header
// that keeps the caller's part aligned as malloc's own.
struct alignas(std::max_align_t) Header {
  std::size_t size;
  HeapAccount* account;
};

void* Allocate(std::size_t size) noexcept {
  Header* header = static_cast<Header*>(std::malloc(sizeof(Header) + (size ? size : 1)));
  if (!header) return nullptr;
  HeapAccount& account = g_hostDepth > 0 ? g_host : g_plugin;
  header->size = size;
  header->account = &account;
  account.live += size;
  if (account.live > account.peak) account.peak = account.live;
  return header + 1;
}

void Free(void* p) noexcept {
  if (!p) return;
  Header* header = static_cast<Header*>(p) - 1;
  header->account->live -= header->size;
  std::free(header);
}

void* AllocateOrThrow(std::size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}

}  // namespace

HeapAccount& PluginHeap() {
  return g_plugin;
}

HeapAccount& HostHeap() {
  return g_host;
}

void ResetPeaks() {
  g_plugin.peak = g_plugin.live;
  g_host.peak = g_host.live;
}

void HostSide::Enter() {
  ++g_hostDepth;
}

void HostSide::Leave() {
  --g_hostDepth;
}

}  // namespace vjd::bench

void* operator new(std::size_t size) {
  return vjd::bench::AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
  return vjd::bench::AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return vjd::bench::Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return vjd::bench::Allocate(size);
}
void operator delete(void* p) noexcept {
  vjd::bench::Free(p);
}
void operator delete[](void* p) noexcept {
  vjd::bench::Free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  vjd::bench::Free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  vjd::bench::Free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
  vjd::bench::Free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
  vjd::bench::Free(p);
}
