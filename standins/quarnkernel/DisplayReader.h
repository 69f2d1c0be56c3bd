// Reads display data (format in DisplayData.h) back: checks a buffer before it is drawn, walks
// its primitives, and finishes a built buffer (PrepareDisplay: world box, prepared flag).  A
// buffer that fails the check is never drawn.  The reader borrows the buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qk {

struct DisplayPrimitive {
  uint32_t type = 0;
  uint32_t colour = 0, back = 0;
  bool closed = false;
  std::vector<double> points;                             // polyline
  double cx = 0, cy = 0, r = 0, a0 = 0, a1 = 0;           // arc
  double x = 0, y = 0, height = 0, width = 0, angle = 0;  // text
  std::string text;
};

class DisplayReader {
 public:
  // `size` bounds the reading; with size 0 the buffer's own total is trusted.
  DisplayReader(const uint8_t* buffer, size_t size = 0) : m_buf(buffer), m_size(size) {}
  // True when the header and every record are consistent.
  bool Valid() const;
  // Calls `visit` for each primitive in order; false (and no call) for an invalid buffer.
  bool ForEach(const std::function<void(const DisplayPrimitive&)>& visit) const;
  bool Prepared() const;
  void Box(double& x1, double& y1, double& x2, double& y2) const;
  // Computes the world box of every primitive into the header and marks it prepared.  False,
  // with the buffer unchanged, for an invalid buffer or when memory runs out (never throws).
  static bool Prepare(uint8_t* buffer);

 private:
  static bool PrepareBox(uint8_t* buffer);
  uint32_t U32(size_t off) const;
  double F64(size_t off) const;
  const uint8_t* m_buf;
  size_t m_size;
};

}  // namespace qk
