// The grid's current column: what Left, Right, Enter and F2 do with it, and which clicks edit.
#include "GridCursor.h"

#include <gtest/gtest.h>

namespace {

using Action = CGridCursor::KeyAction;
constexpr unsigned kDown = 0x28;

struct KeyCase {
  const char* what;
  int position;  // before the key
  unsigned key;
  int focusedRow;
  Action action;
  int after;
};

const KeyCase kKeys[] = {
    {"Left moves one position", 3, GridKeyLeft, 0, Action::kMoved, 2},
    {"Left stops at the first position", 0, GridKeyLeft, 0, Action::kConsume, 0},
    {"Left without a current column lands on the first", -1, GridKeyLeft, 0, Action::kConsume, 0},
    {"Right moves one position", 3, GridKeyRight, 0, Action::kMoved, 4},
    {"Right stops at the last position", 9, GridKeyRight, 0, Action::kConsume, 9},
    {"Right without a current column moves to the first", -1, GridKeyRight, -1, Action::kMoved, 0},
    {"Enter edits the focused row", 4, GridKeyEnter, 1, Action::kEdit, 4},
    {"F2 edits the focused row", 4, GridKeyF2, 2, Action::kEdit, 4},
    {"Enter without a current column does nothing", -1, GridKeyEnter, 1, Action::kConsume, -1},
    {"F2 without a current column does nothing", -1, GridKeyF2, 1, Action::kConsume, -1},
    {"Enter without a focused row does nothing", 4, GridKeyEnter, -1, Action::kConsume, 4},
    {"F2 without a focused row does nothing", 4, GridKeyF2, -1, Action::kConsume, 4},
    {"Down is the list-view's and keeps the column", 4, kDown, 1, Action::kPass, 4},
};

TEST(GridCursor, KeysMoveTheCurrentColumnAndAskForEdits) {
  for (const KeyCase& c : kKeys) {
    CGridCursor cursor;
    cursor.PlaceAt(c.position);
    EXPECT_EQ(cursor.OnKey(c.key, 10, c.focusedRow), c.action) << c.what;
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
