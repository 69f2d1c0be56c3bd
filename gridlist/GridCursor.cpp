#include "GridCursor.h"

CGridCursor::KeyAction CGridCursor::OnKey(unsigned key, unsigned modifiers, int columnCount,
                                          int focusedRow, bool choiceCell) {
  const bool onCell = m_nPosition != -1 && focusedRow != -1;
  switch (key) {
    case GridKeyLeft:
      return Step(-1, columnCount);
    case GridKeyRight:
      return Step(+1, columnCount);
    case GridKeyEnter:
    case GridKeyF2:
      if (!onCell) return KeyAction::kConsume;
      return choiceCell ? KeyAction::kChoose : KeyAction::kEdit;
    case GridKeySpace:
      // Elsewhere Space stays the list-view's (it selects the focused row, with Ctrl toggles it).
      return onCell && choiceCell && modifiers == GridModNone ? KeyAction::kChoose
                                                              : KeyAction::kPass;
  }
  return KeyAction::kPass;
}

CGridCursor::KeyAction CGridCursor::Step(int step, int columnCount) {
  const int position = m_nPosition + step;
  if (position < 0) {
    m_nPosition = 0;
    return KeyAction::kConsume;
  }
  if (position > columnCount - 1) {
    m_nPosition = columnCount - 1;
    return KeyAction::kConsume;
  }
  m_nPosition = position;
  return KeyAction::kMoved;
}

bool CGridCursor::ClickEdits(int hitRow, bool rowFocused, int hitColumn, bool onLabel) const {
  return hitRow >= 0 && rowFocused && m_nPosition != -1 && (hitColumn != 0 || onLabel);
}
