// GridBox: a rectangle of the grid's decisions, edges as a window rectangle has them (right and
// bottom just outside), so that the decisions need no window headers.
#pragma once

struct GridBox {
  int left;
  int top;
  int right;
  int bottom;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool operator==(const GridBox& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  bool operator!=(const GridBox& o) const { return !(*this == o); }
};
