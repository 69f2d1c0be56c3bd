// What the label position window decides, without the window.  Its 25 radio buttons form one
// group whose order is the order of the position codes: opening with a code checks that code's
// button, and OK gives the code of the checked button with the code's display name.  The arrow
// keys move among the buttons as they stand in the window: Left and Right along a visual row, Up
// and Down along a visual column.
#pragma once

#include <vector>

namespace vjd::annotation {

// The button (index in the group) that opening with `code` checks; -1, none, for no code or a
// code beyond 24.
int PositionButtonForCode(int code);

struct PositionChoice {
  int code;          // -1: none
  const char* name;  // the code's display name; "" for none
};
// What OK gives with `button` checked (index in the group; -1 with none checked).
PositionChoice PositionChoiceForButton(int button);

// Where a button stands in the window: its left and top edges and its height, in one unit.
struct PositionButtonPlace {
  int left, top, height;
};
// The arrow keys, in the order of their key codes.
enum class PositionArrow { kLeft, kUp, kRight, kDown };

// The button an arrow key moves to from button `from` (an index into `places`): the nearest
// button that way in from's row (Left, Right) or column (Up, Down); `from` itself at the row's or
// column's end.  Two buttons share a row when their tops, and a column when their left edges, lie
// within half the lower one's height of each other.  From no button (-1) every arrow goes to the
// first button.
int PositionButtonAfterArrow(const std::vector<PositionButtonPlace>& places, int from,
                             PositionArrow arrow);

}  // namespace vjd::annotation
