#include "GridCursor.h"

CGridCursor::KeyAction CGridCursor::OnKey(unsigned key, int columnCount, int focusedRow) {
  switch (key) {
    case GridKeyLeft:
      return Step(-1, columnCount);
    case GridKeyRight:
      return Step(+1, columnCount);
    case GridKeyEnter:
    case GridKeyF2:
      return m_nPosition != -1 && focusedRow != -1 ? KeyAction::kEdit : KeyAction::kConsume;
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
