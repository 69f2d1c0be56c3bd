// The colours the grid's painter gives a cell, by where the cell stands.
#include "GridCellColours.h"

#include <gtest/gtest.h>

namespace {

using Kind = CGridCellColours::Kind;
constexpr unsigned kBlue = 0xFF0000, kPaleYellow = 0xDCFFFF, kMagenta = 0xFFB4FF,
                   kPaleBlue = 0xFFC8C8;
constexpr CGridCellColours::System kSystem{0xC0C0C0, 0x808080, 0x000000};

struct Case {
  const char* what;
  CGridCellColours::Cell cell;  // read-only, row selected, row focused, in the focus column
  Kind kind;
  unsigned fill, text, edge;  // edge: bottom-right, for a button
};

const Case kCases[] = {
    {"a normal cell", {false, false, false, false}, Kind::kPlain, kPaleYellow, kBlue, 0},
    {"a cell of the focused row elsewhere",
     {false, true, true, false},
     Kind::kPlain,
     kPaleYellow,
     kBlue,
     0},
    {"the focus cell", {false, true, true, true}, Kind::kFocus, kMagenta, kBlue, 0},
    {"the focus column in another row",
     {false, false, false, true},
     Kind::kPlain,
     kPaleYellow,
     kBlue,
     0},
    {"a read-only cell", {true, false, false, false}, Kind::kButton, 0xC0C0C0, 0, 0x808080},
    {"a read-only cell of the selected row",
     {true, true, true, false},
     Kind::kButton,
     kPaleBlue,
     0,
     0x808080},
    {"the read-only focus cell", {true, true, true, true}, Kind::kButton, kPaleBlue, 0, kMagenta},
    {"a read-only focus column, row not focused",
     {true, true, false, true},
     Kind::kButton,
     kPaleBlue,
     0,
     0x808080},
};

TEST(GridCellColours, EachCellGetsTheColoursOfWhereItStands) {
  for (const Case& c : kCases) {
    const CGridCellColours::Look look = CGridCellColours::Of(c.cell, kSystem);
    EXPECT_EQ(look.kind, c.kind) << c.what;
    EXPECT_EQ(look.fill, c.fill) << c.what;
    EXPECT_EQ(look.text, c.text) << c.what;
    if (c.kind == Kind::kButton) {
      EXPECT_EQ(look.edgeTopLeft, kSystem.face) << c.what;
      EXPECT_EQ(look.edgeBottomRight, c.edge) << c.what;
    }
  }
}

}  // namespace
