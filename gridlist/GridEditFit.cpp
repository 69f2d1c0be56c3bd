#include "GridEditFit.h"

namespace {

// What a measured text gets added, and how far the box stays from the grid's edges.
constexpr int kTextPadding = 5;
constexpr int kEdgeGap = 2;

}  // namespace

int CGridEditFit::WideWidth(int clientWidth, const GridBox& box, int gridRight) {
  return clientWidth + (gridRight - box.right);
}

CGridEditFit::Size CGridEditFit::Needed(Size narrow, Size wide) {
  const Size& best = narrow.cy < wide.cy ? narrow : wide;
  return Size{best.cx + kTextPadding, best.cy + kTextPadding};
}

CGridEditFit::Size CGridEditFit::NeededOnOneLine(int textWidth) {
  return Size{textWidth + kTextPadding, 0};
}

CGridEditFit::Result CGridEditFit::Grow(const GridBox& box, int clientWidth, int clientHeight,
                                        int gridRight, int gridBottom, Size needed) {
  Result result{box, false, false};
  GridBox& r = result.box;
  if (needed.cx > clientWidth) {
    r.right = r.left + box.Width() + (needed.cx - clientWidth);
    if (r.right > gridRight - kEdgeGap) r.right = gridRight - kEdgeGap;
    if (r.right < box.right) r.right = box.right;  // grows, never shrinks
  }
  if (needed.cy > clientHeight) {
    r.bottom = r.top + box.Height() + (needed.cy - clientHeight);
    if (r.bottom >= gridBottom - kEdgeGap) {
      r.bottom = gridBottom - kEdgeGap;
      result.scrollBar = true;
    }
    if (r.bottom < box.bottom) r.bottom = box.bottom;
  }
  result.moved = r != box;
  return result;
}
