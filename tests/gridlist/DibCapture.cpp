#include "DibCapture.h"

#include <cstdint>
#include <cstdio>
#include <vector>

CDibCapture::CDibCapture(HWND hwnd, bool wholeWindow) {
  RECT r = {};
  if (wholeWindow) {
    ::GetWindowRect(hwnd, &r);
    ::OffsetRect(&r, -r.left, -r.top);
  } else {
    ::GetClientRect(hwnd, &r);
  }
  Make(r.right, r.bottom);
  if (wholeWindow) {  // what the display shows there, child windows and all
    RECT onScreen = {};
    ::GetWindowRect(hwnd, &onScreen);
    HDC display = ::GetDC(nullptr);
    ::BitBlt(m_dc, 0, 0, m_width, m_height, display, onScreen.left, onScreen.top, SRCCOPY);
    ::ReleaseDC(nullptr, display);
  } else
    ::SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc),
                   PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
  ::GdiFlush();
}

CDibCapture::CDibCapture(int width, int height) {
  Make(width, height);
  RECT all = {0, 0, width, height};
  ::FillRect(m_dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
}

void CDibCapture::Make(int width, int height) {
  m_width = width;
  m_height = height;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = m_width;
  info.bmiHeader.biHeight = -m_height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  HDC screen = ::GetDC(nullptr);
  void* bits = nullptr;
  m_bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  m_dc = ::CreateCompatibleDC(screen);
  ::ReleaseDC(nullptr, screen);
  m_old = ::SelectObject(m_dc, m_bitmap);
  m_bits = static_cast<const DWORD*>(bits);
}

CDibCapture::~CDibCapture() {
  ::SelectObject(m_dc, m_old);
  ::DeleteDC(m_dc);
  ::DeleteObject(m_bitmap);
}

COLORREF CDibCapture::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return CLR_INVALID;
  const DWORD pixel = m_bits[y * m_width + x];  // 0x00RRGGBB
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int CDibCapture::CountColor(const RECT& area, COLORREF color) const {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) count += At(x, y) == color;
  return count;
}

namespace {

uint32_t Crc(const uint8_t* data, size_t n, uint32_t crc = 0xffffffffu) {
  for (size_t i = 0; i < n; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
  }
  return crc;
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<uint8_t>(v >> s));
}

void Chunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data) {
  Put32(out, static_cast<uint32_t>(data.size()));
  std::vector<uint8_t> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  out.insert(out.end(), body.begin(), body.end());
  Put32(out, Crc(body.data(), body.size()) ^ 0xffffffffu);
}

}  // namespace

bool CDibCapture::SavePng(const std::string& path) const {
  if (m_width <= 0 || m_height <= 0) return false;
  std::vector<uint8_t> raw;  // each row: no filter, then its RGB bytes
  raw.reserve(static_cast<size_t>(m_height) * (m_width * 3 + 1));
  for (int y = 0; y < m_height; ++y) {
    raw.push_back(0);
    for (int x = 0; x < m_width; ++x) {
      const COLORREF pixel = At(x, y);
      raw.insert(raw.end(), {GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)});
    }
  }
  // A zlib stream of stored deflate blocks, so that no image library is needed.
  std::vector<uint8_t> z = {0x78, 0x01};
  uint32_t a = 1, b = 0;
  for (uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  for (size_t pos = 0; pos < raw.size();) {
    const size_t n = raw.size() - pos < 65535 ? raw.size() - pos : 65535;
    z.insert(z.end(), {static_cast<uint8_t>(pos + n == raw.size()), static_cast<uint8_t>(n),
                       static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(~n),
                       static_cast<uint8_t>(~n >> 8)});
    z.insert(z.end(), raw.begin() + static_cast<long>(pos),
             raw.begin() + static_cast<long>(pos + n));
    pos += n;
  }
  Put32(z, (b << 16) | a);

  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'}, header;
  Put32(header, static_cast<uint32_t>(m_width));
  Put32(header, static_cast<uint32_t>(m_height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", z);
  Chunk(png, "IEND", {});
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  bool ok = std::fwrite(png.data(), 1, png.size(), out) == png.size();
  return std::fclose(out) == 0 && ok;
}
