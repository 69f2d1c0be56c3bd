#include "GridCellColours.h"

CGridCellColours::Look CGridCellColours::Of(const Cell& cell, const System& system) {
  const bool focus = cell.rowFocused && cell.focusColumn;
  if (cell.readOnly) {
    return Look{Kind::kButton, cell.rowSelected ? kSelectedReadOnlyColor : system.face, system.text,
                system.face, focus ? kFocusCellColor : system.shadow};
  }
  if (focus) return Look{Kind::kFocus, kFocusCellColor, kTextColor, 0, 0};
  return Look{Kind::kPlain, kTextBkColor, kTextColor, 0, 0};
}
