// Saves a window's picture (the display's pixels there) as a PNG file, uncompressed
// (stored deflate blocks), so that no image library is needed.
#pragma once

#include <windows.h>

bool SaveWindowPng(HWND hWnd, const char* path);
