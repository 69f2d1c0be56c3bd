#include "Screenshot.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace host {

bool Screenshot::CaptureScreen(const std::wstring& path) {
  int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
  int w = GetSystemMetrics(SM_CXVIRTUALSCREEN), h = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  if (w <= 0 || h <= 0) return false;
  HDC screen = GetDC(nullptr);
  if (!screen) return false;
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;  // bottom-up, as a BMP file stores it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool ok = dib && bits;
  if (ok) {
    HGDIOBJ old = SelectObject(mem, dib);
    ok = BitBlt(mem, 0, 0, w, h, screen, x, y, SRCCOPY) != 0;
    GdiFlush();
    SelectObject(mem, old);
  }
  if (ok) {
    DWORD stride = (static_cast<DWORD>(w) * 3 + 3) & ~3u;
    DWORD imageBytes = stride * static_cast<DWORD>(h);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + imageBytes;
    FILE* f = _wfopen(path.c_str(), L"wb");
    ok = f != nullptr;
    if (f) {
      ok = std::fwrite(&file, sizeof file, 1, f) == 1 &&
           std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, f) == 1 &&
           std::fwrite(bits, 1, imageBytes, f) == imageBytes;
      ok = std::fclose(f) == 0 && ok;
    }
  }
  if (dib) DeleteObject(dib);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return ok;
}

}  // namespace host
