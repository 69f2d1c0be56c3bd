// A top-down 32-bit DIB selected into a memory DC: a window (its client area, or the whole window
// as the display shows it) captured into it for pixel checks and screenshots, or a white canvas
// to draw on.
#pragma once

#include <windows.h>

#include <string>

class CDibCapture {
 public:
  // WM_PRINTCLIENT for the client area; the whole window as the display shows it.
  CDibCapture(HWND hwnd, bool wholeWindow);
  CDibCapture(int width, int height);  // white
  ~CDibCapture();
  CDibCapture(const CDibCapture&) = delete;
  CDibCapture& operator=(const CDibCapture&) = delete;

  HDC Dc() const { return m_dc; }
  COLORREF At(int x, int y) const;  // as a COLORREF (0x00BBGGRR); CLR_INVALID outside
  int CountColor(const RECT& area, COLORREF color) const;
  // As a PNG file of stored (uncompressed) deflate blocks.
  bool SavePng(const std::string& path) const;

 private:
  void Make(int width, int height);

  int m_width, m_height;
  HDC m_dc;
  HBITMAP m_bitmap;
  HGDIOBJ m_old;
  const DWORD* m_bits;
};
