#include "DisplayReader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#include "DisplayBuilder.h"
#include "DisplayData.h"

namespace qk {

using namespace display;

uint32_t DisplayReader::U32(size_t off) const {
  uint32_t v;
  std::memcpy(&v, m_buf + off, 4);
  return v;
}

double DisplayReader::F64(size_t off) const {
  double v;
  std::memcpy(&v, m_buf + off, 8);
  return v;
}

bool DisplayReader::Valid() const {
  if (!m_buf || (m_size && m_size < kHeaderBytes) || U32(kOffMagic) != kMagic) return false;
  const uint32_t total = U32(kOffTotal);
  if (total < kHeaderBytes || (m_size && total > m_size) || total % 8 != 0) return false;
  // Offsets are the format's own 32-bit numbers and are only ever compared with what is left of
  // the buffer, never added to first: offset + record bytes can pass 2^32, and in the 32-bit
  // build size_t would wrap around with it.  So the check is the same in every build.
  uint32_t off = kHeaderBytes;
  for (uint32_t i = 0, n = U32(kOffCount); i < n; ++i) {
    const uint32_t left = total - off;
    if (left < kPrimHeaderBytes) return false;
    const uint32_t type = U32(off), bytes = U32(off + 4);
    if (bytes < kPrimHeaderBytes || bytes % 8 != 0 || bytes > left) return false;
    const uint32_t payload = bytes - kPrimHeaderBytes, p = off + kPrimHeaderBytes;
    if (type == kPolyline) {
      if (payload < kPolylineFixed || U32(p + 8) > (payload - kPolylineFixed) / 16) return false;
    } else if (type == kArc) {
      if (payload < kArcPayload) return false;
    } else if (type == kText) {
      if (payload < kTextFixed || U32(p + 48) > payload - kTextFixed) return false;
    } else {
      return false;
    }
    off += bytes;
  }
  return off == total;
}

bool DisplayReader::ForEach(const std::function<void(const DisplayPrimitive&)>& visit) const {
  if (!Valid()) return false;
  size_t off = kHeaderBytes;
  for (uint32_t i = 0, n = U32(kOffCount); i < n; ++i) {
    DisplayPrimitive d;
    d.type = U32(off);
    size_t p = off + kPrimHeaderBytes;
    if (d.type == kPolyline) {
      d.colour = U32(p), d.closed = U32(p + 4) != 0;
      uint32_t count = U32(p + 8);
      for (uint32_t k = 0; k < 2 * count; ++k) d.points.push_back(F64(p + kPolylineFixed + 8 * k));
    } else if (d.type == kArc) {
      d.colour = U32(p);
      d.cx = F64(p + 8), d.cy = F64(p + 16), d.r = F64(p + 24), d.a0 = F64(p + 32),
      d.a1 = F64(p + 40);
    } else {
      d.colour = U32(p), d.back = U32(p + 4);
      d.x = F64(p + 8), d.y = F64(p + 16), d.height = F64(p + 24), d.width = F64(p + 32),
      d.angle = F64(p + 40);
      d.text.assign(reinterpret_cast<const char*>(m_buf + p + kTextFixed), U32(p + 48));
    }
    visit(d);
    off += U32(off + 4);
  }
  return true;
}

bool DisplayReader::Prepared() const {
  return Valid() && U32(kOffPrepared) == 1;
}

void DisplayReader::Box(double& x1, double& y1, double& x2, double& y2) const {
  x1 = F64(kOffBox), y1 = F64(kOffBox + 8), x2 = F64(kOffBox + 16), y2 = F64(kOffBox + 24);
}

bool DisplayReader::Prepare(uint8_t* buffer) {
  try {
    return PrepareBox(buffer);
  } catch (const std::bad_alloc&) {
    return false;  // PrepareDisplay is an export: nothing may unwind into its caller
  }
}

bool DisplayReader::PrepareBox(uint8_t* buffer) {
  DisplayReader reader(buffer);
  bool any = false;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  auto add = [&](double x, double y) {
    if (!any) x1 = x2 = x, y1 = y2 = y, any = true;
    x1 = std::min(x1, x), x2 = std::max(x2, x), y1 = std::min(y1, y), y2 = std::max(y2, y);
  };
  bool ok = reader.ForEach([&](const DisplayPrimitive& d) {
    if (d.type == kPolyline) {
      for (size_t k = 0; k + 1 < d.points.size(); k += 2) add(d.points[k], d.points[k + 1]);
    } else if (d.type == kArc) {
      add(d.cx - d.r, d.cy - d.r), add(d.cx + d.r, d.cy + d.r);
    } else {
      // The rotated text box: its four corners.
      double w = TextCells(d.text) * d.width, h = d.height;
      double a = d.angle * 3.14159265358979323846 / 180.0, c = std::cos(a), s = std::sin(a);
      const double cx[4] = {0, w, w, 0}, cy[4] = {0, 0, h, h};
      for (int k = 0; k < 4; ++k) add(d.x + cx[k] * c - cy[k] * s, d.y + cx[k] * s + cy[k] * c);
    }
  });
  if (!ok) return false;
  double box[4] = {x1, y1, x2, y2};
  std::memcpy(buffer + kOffBox, box, sizeof box);
  uint32_t one = 1;
  std::memcpy(buffer + kOffPrepared, &one, 4);
  return true;
}

}  // namespace qk
