// The label position window's choices: the button a code checks when the window opens, the code
// and name that OK gives for the checked button, and where the arrow keys go among the buttons.
#include <gtest/gtest.h>

#include <queue>
#include <set>

#include "LabelPositionChoice.h"

namespace {

using namespace vjd::annotation;

// Every code, in the order of the window's buttons.  The outer ring (9 to 16) shares the names of
// the inner one except below and above, which count outwards.
const char* const kNames[25] = {"右上",   "右",     "右下",   "下一",  "左下", "左",   "左上",
                                "上一",   "中间",   "右上",   "右",    "右下", "下二", "左下",
                                "左",     "左上",   "上二",   "上三",  "上四", "下三", "下四",
                                "中上一", "中上二", "中下一", "中下二"};

// No code or a code beyond 24 selects nothing, and no button gives no name.
TEST(LabelPositionChoice, EveryCodeChecksItsButtonAndItsButtonGivesItBackWithItsName) {
  for (int code = -2; code <= 1000; code = code == 25 ? 1000 : code + 1) {
    SCOPED_TRACE(code);
    const bool inside = code >= 0 && code < 25;
    EXPECT_EQ(PositionButtonForCode(code), inside ? code : -1);
    const PositionChoice choice = PositionChoiceForButton(code);
    EXPECT_EQ(choice.code, inside ? code : -1);
    EXPECT_STREQ(choice.name, inside ? kNames[code] : "");
  }
}

// The buttons where the window's template places them (dialog units), in code order.
const std::vector<PositionButtonPlace> kPlaces = {
    {195, 66, 10}, {195, 131, 10}, {195, 196, 10}, {130, 196, 10}, {60, 196, 10},
    {60, 131, 10}, {60, 66, 10},   {130, 66, 10},  {247, 248, 10}, {227, 47, 8},
    {227, 131, 8}, {227, 217, 8},  {130, 217, 8},  {37, 217, 8},   {37, 132, 8},
    {37, 47, 8},   {130, 47, 8},   {130, 31, 8},   {130, 15, 8},   {130, 233, 8},
    {130, 249, 8}, {196, 95, 10},  {196, 114, 10}, {196, 147, 10}, {196, 166, 10}};

constexpr PositionArrow L = PositionArrow::kLeft, U = PositionArrow::kUp, R = PositionArrow::kRight,
                        D = PositionArrow::kDown;

TEST(LabelPositionChoice, ArrowsMoveAlongTheButtonsVisualRowsAndColumns) {
  const struct {
    int from;
    PositionArrow arrow;
    int to;
  } moves[] = {
      // clang-format off
      {3, U, 7}, {7, U, 16}, {18, U, 18}, {3, D, 12}, {19, D, 20},  // the middle column, past the
      {20, D, 20},                                                 // picture, to its ends
      {20, R, 8}, {8, L, 20}, {8, U, 8},                           // the centre, standing apart
      {6, R, 7}, {7, R, 0}, {0, R, 0}, {14, R, 5}, {1, R, 10},     // rows, one top a unit off
      {0, D, 21}, {22, D, 1}, {24, D, 2}, {21, L, 21},             // the right column, its lefts
      {15, D, 14}, {13, R, 12}, {16, R, 9},                        //   a unit off; the outer ring
      {-1, D, 0}, {-1, L, 0}, {25, U, 0},                          // from no button: the first
      // clang-format on
  };
  for (const auto& m : moves)
    EXPECT_EQ(PositionButtonAfterArrow(kPlaces, m.from, m.arrow), m.to)
        << "from " << m.from << ", arrow " << static_cast<int>(m.arrow);
  EXPECT_EQ(PositionButtonAfterArrow({}, -1, D), -1);
}

// No button is out of the arrows' reach, and a step one way is undone by a step back.
TEST(LabelPositionChoice, EveryButtonIsReachedByArrowsAndEachStepHasItsWayBack) {
  std::set<int> reached = {0};
  std::queue<int> next;
  next.push(0);
  const PositionArrow back[] = {R, D, L, U};  // the opposite of L, U, R, D
  while (!next.empty()) {
    const int from = next.front();
    next.pop();
    for (PositionArrow arrow : {L, U, R, D}) {
      const int to = PositionButtonAfterArrow(kPlaces, from, arrow);
      if (to == from) continue;
      EXPECT_EQ(PositionButtonAfterArrow(kPlaces, to, back[static_cast<int>(arrow)]), from)
          << from << " -> " << to;
      if (reached.insert(to).second) next.push(to);
    }
  }
  EXPECT_EQ(reached.size(), 25u);
}

}  // namespace
