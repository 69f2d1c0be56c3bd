// The framework when memory runs out inside a system callback: this program's operator new can be
// told to fail once, and the creation hook, which the system calls in the middle of creating a
// window, must turn that into a refused window instead of letting the exception unwind through
// the system's frames.  (Wine stops an exception at its callback boundary too, so what shows here
// is the outcome: no window, no object holding a handle that never came to life.)
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <new>

#include "Wnd.h"

namespace {
int g_nAllocationsBeforeFailure = -1;  // -1: none fails
}  // namespace

void* operator new(std::size_t size) {
  if (g_nAllocationsBeforeFailure == 0) {
    g_nAllocationsBeforeFailure = -1;
    throw std::bad_alloc();
  }
  if (g_nAllocationsBeforeFailure > 0) --g_nAllocationsBeforeFailure;
  void* block = std::malloc(size ? size : 1);
  if (!block) throw std::bad_alloc();
  return block;
}

void operator delete(void* block) noexcept {
  std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}

namespace {

TEST(CWndCreate, NoMemoryForTheHandleMapRefusesTheWindowInsteadOfUnwindingThroughTheSystem) {
  HWND hTop = ::CreateWindowExA(0, "STATIC", "top", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                ::GetModuleHandleA(nullptr), nullptr);
  CWnd* pParent = CWnd::FromHandle(hTop);
  const int permanentBefore = AfxGetHeldObjects().nPermanentWindows;
  CWnd wnd;
  RECT rect = {0, 0, 50, 20};
  g_nAllocationsBeforeFailure = 0;  // the handle map's entry for the new window
  BOOL created = TRUE;
  EXPECT_NO_THROW(created = wnd.Create("STATIC", "x", WS_VISIBLE, rect, pParent, 56));
  g_nAllocationsBeforeFailure = -1;
  EXPECT_FALSE(created);
  EXPECT_EQ(nullptr, wnd.m_hWnd);
  EXPECT_EQ(nullptr, ::GetDlgItem(hTop, 56)) << "no window that nobody routes";
  EXPECT_EQ(permanentBefore, AfxGetHeldObjects().nPermanentWindows);
  EXPECT_EQ(0, AfxGetHeldObjects().nCreationHooks);

  ASSERT_TRUE(wnd.Create("STATIC", "x", WS_VISIBLE, rect, pParent, 56));
  EXPECT_EQ(wnd.m_hWnd, ::GetDlgItem(hTop, 56));
  ::DestroyWindow(hTop);
}

}  // namespace
