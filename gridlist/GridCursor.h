// CGridCursor: the grid's current column and what a key or a click on the grid means for it.
//
// The current column is a DISPLAY POSITION (columns may be dragged into a new order), -1 while
// there is none.  Left and Right move it one position and stop at the first and last; Enter and
// F2 ask to edit the focused row's cell at the current column; a click places it on the clicked
// column and edits the clicked cell.  A cell whose value the grid's parent chooses in a window of
// its own (the column's choice rule) has no editor: there Enter, F2 and Space report the cell as
// clicked, which opens that window as a click does.  Plain state, no window: the grid tells it the
// column count, the focused row and whether the focused cell is such a choice, and acts on the
// answer (shows the column, repaints the row, asks for an edit, reports the click).
#pragma once

#include "GridKeys.h"

class CGridCursor {
 public:
  // What the grid does with a key-down.
  enum class KeyAction {
    kPass,     // not the grid's key: the list-view handles it
    kConsume,  // the grid's key, nothing more to do
    kMoved,    // the current column moved: show its column and repaint the focused row
    kEdit,     // ask to edit the focused row at the current column
    kChoose,   // report the focused row's cell at the current column as clicked
  };

  int Position() const { return m_nPosition; }
  // A click on a column shown at `position` (-1 when the click hit no column).
  void PlaceAt(int position) { m_nPosition = position; }

  // A key-down while the grid has the focus, with the modifiers held (GridModifier bits);
  // `focusedRow` is -1 when no row has the focus; `choiceCell` tells whether the focused row's cell
  // at the current column is chosen by the parent.
  KeyAction OnKey(unsigned key, unsigned modifiers, int columnCount, int focusedRow,
                  bool choiceCell);

  // Whether a press at (hitRow, hitColumn) goes on to ask for an edit of that cell, once the
  // list-view has handled it: the row must exist and have the focus, the click must have placed
  // the current column, and a click on the first column counts only on its label (not the icon
  // area before it).
  bool ClickEdits(int hitRow, bool rowFocused, int hitColumn, bool onLabel) const;

 private:
  KeyAction Step(int step, int columnCount);

  int m_nPosition = -1;
};
