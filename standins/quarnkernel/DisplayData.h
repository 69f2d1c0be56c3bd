// The kernel's display data: the flat, self-contained byte buffer that GetDisplaySize sizes,
// BuildDisplay fills from one entity, PrepareDisplay finishes and DrawDisplay paints.  Everything
// is in world (drawing) units; the painter applies offset and scale.  The layout is fixed here
// with named offsets so the builder, the painter and the tests agree.
//
//   header (kHeaderBytes):  u32 magic 'QKDL', u32 total bytes, u32 primitive count,
//                           u32 prepared (0 / 1), f64 x1, y1, x2, y2 (world box, set on prepare)
//   primitives, each:       u32 type, u32 record bytes (a multiple of 8, header included), payload
//     Polyline: u32 colour, u32 closed, u32 point count, u32 0, then x, y pairs (f64)
//     Arc:      u32 colour, u32 0, f64 cx, cy, r, start degrees, end degrees (a circle: 0 .. 360)
//     Text:     u32 fore, u32 back, f64 x, y (left end of the baseline), height, width of one
//               single-byte character, angle in degrees, u32 byte count, u32 0, the GBK bytes
//               (markup "#-", "#+", "#=" kept; the painter renders it), padded with zeros to 8.
//
// Colours are COLORREFs; kByBackground stands for "the contrast of the view's background".
#pragma once

#include <cstddef>
#include <cstdint>

namespace qk::display {

inline constexpr uint32_t kMagic = 0x4C444B51;  // "QKDL" little-endian
inline constexpr uint32_t kByBackground = 0xFFFFFFFFu;

inline constexpr size_t kOffMagic = 0;
inline constexpr size_t kOffTotal = 4;
inline constexpr size_t kOffCount = 8;
inline constexpr size_t kOffPrepared = 12;
inline constexpr size_t kOffBox = 16;
inline constexpr size_t kHeaderBytes = 48;

enum PrimitiveType : uint32_t { kPolyline = 1, kArc = 2, kText = 3 };

inline constexpr size_t kPrimHeaderBytes = 8;  // type, record bytes
inline constexpr size_t kPolylineFixed = 16;   // colour, closed, count, pad
inline constexpr size_t kArcPayload = 8 + 5 * 8;
inline constexpr size_t kTextFixed = 8 + 5 * 8 + 8;

inline constexpr size_t Pad8(size_t n) {
  return (n + 7) & ~size_t(7);
}

static_assert(kHeaderBytes == kOffBox + 4 * 8, "header ends after the box");
static_assert(kPrimHeaderBytes + kArcPayload == 56, "arc record is 56 bytes");

}  // namespace qk::display
