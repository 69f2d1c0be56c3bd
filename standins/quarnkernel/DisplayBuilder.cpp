#include "DisplayBuilder.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "DisplayData.h"

namespace qk {
namespace {

using namespace display;

constexpr double kPi = 3.14159265358979323846;
constexpr double kRunScale = 0.6;

class Writer {
 public:
  Writer() { m_buf.resize(kHeaderBytes, 0); }
  void U32(uint32_t v) { Append(&v, 4); }
  void F64(double v) { Append(&v, 8); }
  void Bytes(const void* p, size_t n) { Append(p, n); }
  void PadTo8() { m_buf.resize(Pad8(m_buf.size()), 0); }
  size_t Begin(PrimitiveType type) {
    size_t start = m_buf.size();
    U32(type);
    U32(0);
    return start;
  }
  void End(size_t start) {
    PadTo8();
    uint32_t bytes = static_cast<uint32_t>(m_buf.size() - start);
    std::memcpy(&m_buf[start + 4], &bytes, 4);
    ++m_count;
  }
  std::vector<uint8_t> Finish() {
    uint32_t magic = kMagic, total = static_cast<uint32_t>(m_buf.size());
    std::memcpy(&m_buf[kOffMagic], &magic, 4);
    std::memcpy(&m_buf[kOffTotal], &total, 4);
    std::memcpy(&m_buf[kOffCount], &m_count, 4);
    return std::move(m_buf);
  }

 private:
  void Append(const void* p, size_t n) {
    const uint8_t* b = static_cast<const uint8_t*>(p);
    m_buf.insert(m_buf.end(), b, b + n);
  }
  std::vector<uint8_t> m_buf;
  uint32_t m_count = 0;
};

struct Box {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool empty = true;
  void Add(double x, double y) {
    if (empty) {
      x1 = x2 = x, y1 = y2 = y, empty = false;
      return;
    }
    x1 = std::min(x1, x), x2 = std::max(x2, x), y1 = std::min(y1, y), y2 = std::max(y2, y);
  }
};

// Places a symbol point: scale, rotate about the base point, move.
void Transform(const EntityView& e, double px, double py, double& x, double& y) {
  double a = e.angle * kPi / 180.0, c = std::cos(a), s = std::sin(a);
  double sx = px * e.scaleX, sy = py * e.scaleY;
  x = e.x + sx * c - sy * s;
  y = e.y + sx * s + sy * c;
}

void WritePolyline(Writer& w, uint32_t colour, bool closed, const std::vector<double>& pts) {
  size_t start = w.Begin(kPolyline);
  w.U32(colour);
  w.U32(closed ? 1 : 0);
  w.U32(static_cast<uint32_t>(pts.size() / 2));
  w.U32(0);
  for (size_t i = 0; i + 1 < pts.size(); i += 2) w.F64(pts[i]), w.F64(pts[i + 1]);
  w.End(start);
}

Box ReferenceBox(const EntityView& e, Box symbolBox) {
  Box box;
  for (size_t i = 0; i + 1 < e.outline.size(); i += 2) box.Add(e.outline[i], e.outline[i + 1]);
  if (!box.empty) return box;
  if (!symbolBox.empty) return symbolBox;
  // A line entity: the longest segment that runs more across than up, else the longest one.
  size_t best = SIZE_MAX, bestAcross = SIZE_MAX;
  double bestLen = -1, bestAcrossLen = -1;
  for (size_t i = 0; i + 3 < e.points.size(); i += 2) {
    double dx = e.points[i + 2] - e.points[i], dy = e.points[i + 3] - e.points[i + 1];
    double len = std::hypot(dx, dy);
    if (len > bestLen) bestLen = len, best = i;
    if (std::fabs(dx) >= std::fabs(dy) && len > bestAcrossLen) bestAcrossLen = len, bestAcross = i;
  }
  size_t i = bestAcross != SIZE_MAX ? bestAcross : best;
  if (i != SIZE_MAX) {
    box.Add(e.points[i], e.points[i + 1]);
    box.Add(e.points[i + 2], e.points[i + 3]);
  } else {
    box.Add(e.x, e.y);
  }
  return box;
}

}  // namespace

std::vector<TextRun> SplitMarkup(const std::string& text) {
  std::vector<TextRun> runs;
  TextRun cur;
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x81 && i + 1 < text.size()) {  // a double-byte character is never markup
      cur.text += text.substr(i, 2);
      ++i;
      continue;
    }
    if (c == '#' && i + 1 < text.size() &&
        (text[i + 1] == '-' || text[i + 1] == '+' || text[i + 1] == '=')) {
      if (!cur.text.empty()) runs.push_back(cur);
      cur = TextRun();
      char m = text[i + 1];
      cur.level = m == '-' ? -1 : m == '+' ? 1 : 0;
      if (m == '=') cur.text = "=";
      ++i;
      continue;
    }
    cur.text += text[i];
  }
  if (!cur.text.empty()) runs.push_back(cur);
  return runs;
}

double TextCells(const std::string& text) {
  double cells = 0;
  for (const TextRun& r : SplitMarkup(text))
    cells += static_cast<double>(r.text.size()) * (r.level == 0 ? 1.0 : kRunScale);
  return cells;
}

void PlaceLabel(const LabelView& l, double bx1, double by1, double bx2, double by2, double w,
                double& x, double& y) {
  const double h = l.height, g = h / 4, L = 1.2 * h;
  const double cx = (bx1 + bx2) / 2, cy = (by1 + by2) / 2, bh = by2 - by1;
  const double right = bx2 + g, left = bx1 - g - w, centre = cx - w / 2;
  const double above = by2 + g, below = by1 - g - h, middle = cy - h / 2;
  switch (l.position) {
    case 0:
      x = right, y = above;
      break;
    case 1:
      x = right, y = middle;
      break;
    case 2:
      x = right, y = below;
      break;
    case 3:
      x = centre, y = below;
      break;
    case 4:
      x = left, y = below;
      break;
    case 5:
      x = left, y = middle;
      break;
    case 6:
      x = left, y = above;
      break;
    case 7:
      x = centre, y = above;
      break;
    case 9:
      x = right, y = above + L;
      break;
    case 10:
      x = right, y = middle - L;
      break;
    case 11:
      x = right, y = below - L;
      break;
    case 12:
      x = centre, y = below - L;
      break;
    case 13:
      x = left, y = below - L;
      break;
    case 14:
      x = left, y = middle - L;
      break;
    case 15:
      x = left, y = above + L;
      break;
    case 16:
      x = centre, y = above + L;
      break;
    case 17:
      x = centre, y = above + 2 * L;
      break;
    case 18:
      x = centre, y = above + 3 * L;
      break;
    case 19:
      x = centre, y = below - 2 * L;
      break;
    case 20:
      x = centre, y = below - 3 * L;
      break;
    case 21:
    case 22:
    case 23:
    case 24: {
      double ay = l.position == 21   ? cy + bh / 2.2
                  : l.position == 22 ? cy + bh / 4
                  : l.position == 23 ? cy - bh / 4
                                     : cy - bh / 2.2;
      double ax = cx;
      if (l.hasAnchor) ax = l.anchorX, ay = l.anchorY;
      x = ax - w / 2, y = ay - h / 2;
      break;
    }
    default:
      x = centre, y = middle;
      break;
  }
}

std::vector<uint8_t> BuildDisplayData(const EntityView& e) {
  Writer w;
  Box symbolBox;
  if (e.symbol) {
    for (const SymbolStroke& st : e.symbol->strokes) {
      if (st.kind == SymbolStroke::Polyline || st.kind == SymbolStroke::Polygon) {
        std::vector<double> pts;
        for (size_t i = 0; i + 1 < st.points.size(); i += 2) {
          double x, y;
          Transform(e, st.points[i], st.points[i + 1], x, y);
          pts.push_back(x), pts.push_back(y), symbolBox.Add(x, y);
        }
        WritePolyline(w, e.colour, st.kind == SymbolStroke::Polygon, pts);
      } else {
        double cx, cy;
        Transform(e, st.cx, st.cy, cx, cy);
        double r = st.r * std::max(std::fabs(e.scaleX), std::fabs(e.scaleY));
        double a0 = st.kind == SymbolStroke::Circle ? 0 : st.startDeg + e.angle;
        double a1 = st.kind == SymbolStroke::Circle ? 360 : st.endDeg + e.angle;
        size_t start = w.Begin(kArc);
        w.U32(e.colour);
        w.U32(0);
        w.F64(cx), w.F64(cy), w.F64(r), w.F64(a0), w.F64(a1);
        w.End(start);
        symbolBox.Add(cx - r, cy - r), symbolBox.Add(cx + r, cy + r);
      }
    }
  }
  if (e.points.size() >= 4) WritePolyline(w, e.colour, false, e.points);

  Box ref = ReferenceBox(e, symbolBox);
  for (const LabelView& l : e.labels) {
    if (!l.visible || l.text.empty() || !(l.height > 0)) continue;
    double width = l.width > 0 ? l.width : l.height / 2;
    double tw = TextCells(l.text) * width, x, y;
    PlaceLabel(l, ref.x1, ref.y1, ref.x2, ref.y2, tw, x, y);
    size_t start = w.Begin(kText);
    w.U32(l.fore);
    w.U32(l.back);
    w.F64(x), w.F64(y), w.F64(l.height), w.F64(width);
    w.F64(l.angle + (l.follows ? e.angle : 0));
    w.U32(static_cast<uint32_t>(l.text.size()));
    w.U32(0);
    w.Bytes(l.text.data(), l.text.size());
    w.End(start);
  }
  return w.Finish();
}

}  // namespace qk
