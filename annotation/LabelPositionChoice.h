// What the label position window decides, without the window.  Its 25 radio buttons form one
// group whose order is the order of the position codes: opening with a code checks that code's
// button, and OK gives the code of the checked button with the code's display name.
#pragma once

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

}  // namespace vjd::annotation
