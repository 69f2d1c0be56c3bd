#include "DisplayPainter.h"

#include <cmath>
#include <string>
#include <vector>

#include "DisplayBuilder.h"
#include "DisplayData.h"
#include "DisplayReader.h"

namespace qk {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRunScale = 0.6;

std::wstring Wide(const std::string& gbk) {
  if (gbk.empty()) return std::wstring();
  int n = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), &w[0], n);
  return w;
}

COLORREF Resolve(uint32_t colour, COLORREF background, COLORREF override) {
  if (override != CLR_INVALID) return override;
  if (colour == display::kByBackground || (colour & 0xFFFFFF) == (background & 0xFFFFFF))
    return ContrastOf(background);
  return colour & 0xFFFFFF;
}

struct Painter {
  HDC dc;
  int ox, oy;
  double offX, offY, scale;
  COLORREF background, override;
  int penWidth;

  POINT Pt(double wx, double wy) const {
    double dx, dy;
    WorldToDevice(wx, wy, ox, oy, offX, offY, scale, dx, dy);
    return POINT{static_cast<LONG>(std::lround(dx)), static_cast<LONG>(std::lround(dy))};
  }

  void Stroke(const DisplayPrimitive& p) {
    HPEN pen = CreatePen(PS_SOLID, penWidth, Resolve(p.colour, background, override));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    if (p.type == display::kPolyline) {
      std::vector<POINT> pts;
      for (size_t k = 0; k + 1 < p.points.size(); k += 2)
        pts.push_back(Pt(p.points[k], p.points[k + 1]));
      if (p.closed && pts.size() >= 3)
        Polygon(dc, pts.data(), static_cast<int>(pts.size()));
      else if (pts.size() >= 2)
        Polyline(dc, pts.data(), static_cast<int>(pts.size()));
    } else {
      POINT tl = Pt(p.cx - p.r, p.cy + p.r), br = Pt(p.cx + p.r, p.cy - p.r);
      if (std::fabs(p.a1 - p.a0) >= 360.0) {
        Ellipse(dc, tl.x, tl.y, br.x + 1, br.y + 1);
      } else {
        double a0 = p.a0 * kPi / 180, a1 = p.a1 * kPi / 180;
        POINT s = Pt(p.cx + p.r * std::cos(a0), p.cy + p.r * std::sin(a0));
        POINT e = Pt(p.cx + p.r * std::cos(a1), p.cy + p.r * std::sin(a1));
        int oldDir = SetArcDirection(dc, AD_COUNTERCLOCKWISE);
        Arc(dc, tl.x, tl.y, br.x + 1, br.y + 1, s.x, s.y, e.x, e.y);
        SetArcDirection(dc, oldDir);
      }
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
  }

  void Text(const DisplayPrimitive& p) {
    const double ppu = kPixelsPerUnit * scale;
    if (p.height * ppu < 2.0) return;  // too small to read
    const double a = p.angle * kPi / 180, c = std::cos(a), s = std::sin(a);
    COLORREF fore = Resolve(p.colour, background, override);
    bool opaque = override == CLR_INVALID && p.back != display::kByBackground &&
                  (p.back & 0xFFFFFF) != (background & 0xFFFFFF);
    int oldMode = SetBkMode(dc, opaque ? OPAQUE : TRANSPARENT);
    COLORREF oldBk = SetBkColor(dc, p.back & 0xFFFFFF);
    COLORREF oldColour = SetTextColor(dc, fore);
    UINT oldAlign = SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    double along = 0;  // world distance from the start of the baseline
    for (const TextRun& run : SplitMarkup(p.text)) {
      double k = run.level == 0 ? 1.0 : kRunScale;
      double rise = run.level < 0 ? -0.25 * p.height : run.level > 0 ? 0.45 * p.height : 0;
      int hpx = static_cast<int>(std::lround(p.height * k * ppu));
      int wpx = static_cast<int>(std::lround(p.width * k * ppu));
      if (hpx < 1) hpx = 1;
      if (wpx < 1) wpx = 1;
      HFONT font = CreateFontW(-hpx, wpx, static_cast<int>(std::lround(p.angle * 10)),
                               static_cast<int>(std::lround(p.angle * 10)), FW_NORMAL, 0, 0, 0,
                               GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                               ANTIALIASED_QUALITY, DEFAULT_PITCH, L"\x5B8B\x4F53" /* 宋体 */);
      HGDIOBJ oldFont = SelectObject(dc, font);
      double wx = p.x + along * c - rise * s, wy = p.y + along * s + rise * c;
      POINT at = Pt(wx, wy);
      std::wstring w = Wide(run.text);
      TextOutW(dc, at.x, at.y, w.c_str(), static_cast<int>(w.size()));
      SIZE ext{0, 0};
      GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &ext);
      double measured = ext.cx / ppu, nominal = static_cast<double>(run.text.size()) * p.width * k;
      along += ext.cx > 0 ? measured : nominal;
      SelectObject(dc, oldFont);
      DeleteObject(font);
    }
    SetTextAlign(dc, oldAlign);
    SetTextColor(dc, oldColour);
    SetBkColor(dc, oldBk);
    SetBkMode(dc, oldMode);
  }
};

}  // namespace

COLORREF ContrastOf(COLORREF background) {
  int luma =
      (GetRValue(background) * 299 + GetGValue(background) * 587 + GetBValue(background) * 114) /
      1000;
  return luma < 128 ? RGB(255, 255, 255) : RGB(0, 0, 0);
}

bool PaintDisplay(HDC dc, int ox, int oy, double offX, double offY, double scale,
                  const void* buffer, COLORREF background, COLORREF override, int penWidth) {
  if (!dc || !buffer || !(scale > 0) || !std::isfinite(scale)) return false;
  DisplayReader reader(static_cast<const uint8_t*>(buffer));
  Painter painter{dc, ox, oy, offX, offY, scale, background, override, penWidth};
  return reader.ForEach([&](const DisplayPrimitive& p) {
    if (p.type == display::kText)
      painter.Text(p);
    else
      painter.Stroke(p);
  });
}

}  // namespace qk
