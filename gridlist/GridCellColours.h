// CGridCellColours: the colours of the grid's cells, which the grid's painter asks for each cell
// it draws itself.
//
// Every cell shows blue text on pale yellow.  The focus cell (the focused row's cell in the
// current column) is filled pale magenta.  Read-only columns look like grey buttons, pale blue in
// a selected row, with a magenta bottom-right edge on the focus cell.  Colours are COLORREF values
// (0x00BBGGRR); the system's colours come from the painter.
#pragma once

class CGridCellColours {
 public:
  static constexpr unsigned kTextColor = 0xFF0000;              // blue
  static constexpr unsigned kTextBkColor = 0xDCFFFF;            // pale yellow
  static constexpr unsigned kFocusCellColor = 0xFFB4FF;         // pale magenta
  static constexpr unsigned kSelectedReadOnlyColor = 0xFFC8C8;  // pale blue

  // The system's colours a button-like cell uses.
  struct System {
    unsigned face;
    unsigned shadow;
    unsigned text;
  };
  // Where the cell stands.
  struct Cell {
    bool readOnly;
    bool rowSelected;
    bool rowFocused;
    bool focusColumn;  // the cell is in the column at the current position
  };
  enum class Kind {
    kPlain,   // the list-view draws it, in the text colours of every row
    kFocus,   // filled and written by the painter
    kButton,  // filled, framed (top-left, bottom-right edges) and written by the painter
  };
  struct Look {
    Kind kind;
    unsigned fill;
    unsigned text;
    unsigned edgeTopLeft;
    unsigned edgeBottomRight;
  };

  static Look Of(const Cell& cell, const System& system);
};
