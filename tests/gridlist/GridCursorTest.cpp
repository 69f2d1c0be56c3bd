// The grid's current column: what Left, Right, Enter, F2 and Space do with it, and which clicks
// edit.
#include "GridCursor.h"

#include <gtest/gtest.h>

namespace {

using Action = CGridCursor::KeyAction;
constexpr unsigned kShift = GridModShift, kCtrl = GridModCtrl;

struct KeyCase {
  const char* what;
  int position;  // before the key
  unsigned key;
  unsigned modifiers;
  int focusedRow;
  bool choice;  // the focused cell is chosen by the parent
  Action action;
  int after;
};

const KeyCase kKeys[] = {
    {"Left moves one position", 3, GridKeyLeft, 0, 0, false, Action::kMoved, 2},
    {"Left stops at the first position", 0, GridKeyLeft, 0, 0, false, Action::kConsume, 0},
    {"Left without a current column lands on the first", -1, GridKeyLeft, 0, 0, false,
     Action::kConsume, 0},
    {"Right moves one position", 3, GridKeyRight, 0, 0, false, Action::kMoved, 4},
    {"Right stops at the last position", 9, GridKeyRight, 0, 0, false, Action::kConsume, 9},
    {"Right without a current column moves to the first", -1, GridKeyRight, 0, -1, false,
     Action::kMoved, 0},
    {"Enter edits the focused row", 4, GridKeyEnter, 0, 1, false, Action::kEdit, 4},
    {"F2 edits the focused row", 4, GridKeyF2, 0, 2, false, Action::kEdit, 4},
    {"Enter without a current column does nothing", -1, GridKeyEnter, 0, 1, false, Action::kConsume,
     -1},
    {"F2 without a current column does nothing", -1, GridKeyF2, 0, 1, false, Action::kConsume, -1},
    {"Enter without a focused row does nothing", 4, GridKeyEnter, 0, -1, false, Action::kConsume,
     4},
    {"F2 without a focused row does nothing", 4, GridKeyF2, 0, -1, false, Action::kConsume, 4},
    {"Down is the list-view's and keeps the column", 4, GridKeyDown, 0, 1, false, Action::kPass, 4},
    // A cell the parent chooses: the keys report it clicked, as the mouse would.
    {"Enter on a choice opens it", 3, GridKeyEnter, 0, 1, true, Action::kChoose, 3},
    {"Space on a choice opens it", 9, GridKeySpace, 0, 2, true, Action::kChoose, 9},
    {"Enter on a choice without a focused row does nothing", 3, GridKeyEnter, 0, -1, true,
     Action::kConsume, 3},
    {"Space elsewhere is the list-view's", 4, GridKeySpace, 0, 1, false, Action::kPass, 4},
    {"Ctrl+Space toggles the row's selection, as before", 3, GridKeySpace, kCtrl, 1, true,
     Action::kPass, 3},
    {"Shift+Space extends the selection, as before", 3, GridKeySpace, kShift, 1, true,
     Action::kPass, 3},
};

TEST(GridCursor, KeysMoveTheCurrentColumnAskForEditsAndOpenChoices) {
  for (const KeyCase& c : kKeys) {
    CGridCursor cursor;
    cursor.PlaceAt(c.position);
    EXPECT_EQ(cursor.OnKey(c.key, c.modifiers, 10, c.focusedRow, c.choice), c.action) << c.what;
    EXPECT_EQ(cursor.Position(), c.after) << c.what;
  }
}

struct ClickCase {
  const char* what;
  int position;  // where the click placed the current column
  int row;
  bool focused;
  int column;
  bool onLabel;
  bool edits;
};

const ClickCase kClicks[] = {
    {"a cell of a focused row", 4, 1, true, 4, false, true},
    {"the first column's label", 0, 1, true, 0, true, true},
    {"the first column's icon area", 0, 1, true, 0, false, false},
    {"empty space below the rows", 4, -1, false, 4, false, false},
    {"a row the list-view did not focus", 4, 1, false, 4, false, false},
    {"right of the last column", -1, 1, true, -1, false, false},
};

TEST(GridCursor, AClickEditsOnlyAFocusedCellItPlacedTheColumnOn) {
  for (const ClickCase& c : kClicks) {
    CGridCursor cursor;
    cursor.PlaceAt(c.position);
    EXPECT_EQ(cursor.ClickEdits(c.row, c.focused, c.column, c.onLabel), c.edits) << c.what;
  }
}

}  // namespace
