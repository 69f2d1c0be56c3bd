// CGridEditFit: how far the grid's edit box grows to show its whole text.
//
// The box grows to the right and downwards as its text needs, never shrinks, and stops 2 pixels
// short of the grid's right and bottom edges; where it stops at the bottom it shows a vertical
// scroll bar.  A multi-line box measures its text twice, wrapped at its own width and wrapped at
// the grid's right edge, and takes whichever wraps into fewer lines.  The box measures; this
// decides.
#pragma once

#include "GridBox.h"

class CGridEditFit {
 public:
  struct Size {
    int cx;
    int cy;
  };
  struct Result {
    GridBox box;     // where the box goes (in the grid's client coordinates)
    bool scrollBar;  // it stops at the grid's bottom: show the vertical scroll bar
    bool moved;      // box differs from where the box is
  };

  // The width a multi-line box measures its text at the second time: its client width widened
  // by the room between its right edge and the grid's.
  static int WideWidth(int clientWidth, const GridBox& box, int gridRight);
  // The size the text needs from its two measurements (wrapped narrow and wide), padding
  // included; a single-line box: from the text's width alone.
  static Size Needed(Size narrow, Size wide);
  static Size NeededOnOneLine(int textWidth);

  // The box (window rectangle in grid coordinates) with a client area of clientWidth x
  // clientHeight, in a grid whose client area is gridRight x gridBottom, for a text that needs
  // `needed` of the client area.
  static Result Grow(const GridBox& box, int clientWidth, int clientHeight, int gridRight,
                     int gridBottom, Size needed);
};
