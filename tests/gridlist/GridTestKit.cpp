#include "GridTestKit.h"

#include <cstring>
#include <vector>

#include "GridEditorHeap.h"
#include "TestSeams.h"

void Pump(int quietMs) {
  DWORD quietSince = ::GetTickCount();
  while (::GetTickCount() - quietSince < static_cast<DWORD>(quietMs)) {
    MSG msg;
    if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {  // the dialog's hook pre-translates
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
      // A timer is not work the test waits for: a shown tooltip checks for the pointer's leaving
      // every few milliseconds for as long as it stays up.
      if (msg.message != WM_TIMER) quietSince = ::GetTickCount();
    } else {
      ::Sleep(5);
    }
  }
}

namespace {

POINT g_pointer = {};  // where the last mouse input put the pointer, in screen coordinates

// Every mouse input carries its absolute position, so no event depends on an earlier one.
void SendMouse(DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(g_pointer.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(g_pointer.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  ::SendInput(1, &input, sizeof input);
}

void SendKey(WORD vk, DWORD flags) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = flags;
  ::SendInput(1, &input, sizeof input);
}

}  // namespace

void MouseMove(HWND hwnd, POINT pt) {
  ::ClientToScreen(hwnd, &pt);
  g_pointer = pt;
  SendMouse(0);
}

void MouseDown(HWND hwnd, POINT pt) {
  MouseMove(hwnd, pt);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
}

void MouseUp(HWND hwnd, POINT pt) {
  MouseMove(hwnd, pt);
  SendMouse(MOUSEEVENTF_LEFTUP);
}

void Click(HWND hwnd, POINT pt) {
  MouseDown(hwnd, pt);
  SendMouse(MOUSEEVENTF_LEFTUP);
}

void PressKey(WORD vk, bool ctrl) {
  if (ctrl) SendKey(VK_CONTROL, 0);
  SendKey(vk, 0);
  SendKey(vk, KEYEVENTF_KEYUP);
  if (ctrl) SendKey(VK_CONTROL, KEYEVENTF_KEYUP);
}

void TypeText(const char* ascii) {
  for (const char* p = ascii; *p; ++p) {
    const char ch = *p;
    WORD vk = ch == '.' ? VK_OEM_PERIOD : static_cast<WORD>(ch >= 'a' && ch <= 'z' ? ch - 32 : ch);
    PressKey(vk);
  }
}

namespace guard_heap {
namespace {

struct Block {
  char* base;
  SIZE_T size;
};
std::vector<Block> g_freed;
int g_faults = 0;
PVOID g_handler = nullptr;

LONG CALLBACK OnException(EXCEPTION_POINTERS* info) {
  if (info->ExceptionRecord->ExceptionCode != EXCEPTION_ACCESS_VIOLATION)
    return EXCEPTION_CONTINUE_SEARCH;
  auto* address = reinterpret_cast<char*>(info->ExceptionRecord->ExceptionInformation[1]);
  for (const Block& block : g_freed) {
    if (address >= block.base && address < block.base + block.size) {
      ++g_faults;  // a touch after free: count it, give the page back and carry on
      DWORD old = 0;
      ::VirtualProtect(block.base, block.size, PAGE_READWRITE, &old);
      return EXCEPTION_CONTINUE_EXECUTION;
    }
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

void* Allocate(size_t size) {
  return ::VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void Free(void* block) {
  MEMORY_BASIC_INFORMATION region = {};
  ::VirtualQuery(block, &region, sizeof region);
  std::memset(block, 0xDD, region.RegionSize);  // poisoned, then out of reach, never reused
  DWORD old = 0;
  ::VirtualProtect(block, region.RegionSize, PAGE_NOACCESS, &old);
  g_freed.push_back(Block{static_cast<char*>(block), region.RegionSize});
}

void Install() {
  g_faults = 0;
  if (!g_handler) g_handler = ::AddVectoredExceptionHandler(1, &OnException);
  static const fw::WatchedHeap kGuarded = {&Allocate, &Free};
  fw::SetWatchedHeap(&kGuarded);
}

void Uninstall() {
  fw::SetWatchedHeap(nullptr);
}

int Faults() {
  return g_faults;
}

}  // namespace guard_heap
