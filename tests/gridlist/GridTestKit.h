// Helpers of the grid's Wine tests: real input (SendInput) at points of a window, a message pump
// that runs the framework's pre-translation (through the modeless dialog's message hook), and a
// capture of a window into a 32-bit DIB (DibCapture.h) for pixel checks and screenshots.
#pragma once

#include <windows.h>

#include "DibCapture.h"

// Handles every message until no message but a timer's came for `quietMs`.
void Pump(int quietMs = 40);

// The centre of a rectangle (a cell, a button), where a click aims.
inline POINT Centre(const RECT& r) {
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Mouse input at a point in hwnd's client coordinates.
void MouseMove(HWND hwnd, POINT pt);
void MouseDown(HWND hwnd, POINT pt);
void MouseUp(HWND hwnd, POINT pt);
void Click(HWND hwnd, POINT pt);

// Keyboard input; `ctrl` holds Ctrl around the key.
void PressKey(WORD vk, bool ctrl = false);
void TypeText(const char* ascii);  // letters, digits and '.'

// Editor memory that faults on any touch after it is freed.  While installed, every editor lives
// in pages of its own; freeing poisons them and takes all access away, and a vectored exception
// handler counts (and survives) each touch of such a page.
namespace guard_heap {
void Install();
void Uninstall();
int Faults();
void* Allocate(size_t size);
void Free(void* block);
}  // namespace guard_heap
