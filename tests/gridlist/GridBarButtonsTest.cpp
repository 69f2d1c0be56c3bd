// The button bar's buttons: where they are, how hover and press follow the mouse, what a click on
// each does, which tooltip names it and which key presses it.
#include "GridBarButtons.h"

#include <gtest/gtest.h>

#include "GridKeys.h"

#include <string>

namespace {

constexpr int kNone = CGridBarButtons::kNone;

TEST(GridBarButtons, FourButtonsSitAtTheRightEndVerticallyCentred) {
  CGridBarButtons bar;
  bar.Layout(200, 25);  // y = (25 - 20) / 2 = 2
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(bar.Button(i), (GridBox{112 + 22 * i, 2, 134 + 22 * i, 22})) << i;
  const struct {
    int x, y, button;
  } hits[] = {{112, 2, 0},      {133, 21, 0},     {134, 10, 1},    {199, 21, 3},
              {111, 10, kNone}, {200, 10, kNone}, {150, 1, kNone}, {150, 22, kNone}};
  for (const auto& h : hits) EXPECT_EQ(bar.HitTest(h.x, h.y), h.button) << h.x << "," << h.y;
}

// Mouse events over buttons: m<b> move, p<b> press, r<b> release, c capture lost, f<b> move over
// the frame; b is a button 0..3 or n for none.
struct MouseCase {
  const char* what;
  const char* events;
  const char* clicks;  // the buttons clicked, in order
  int hot;
  bool pressed;
};

const MouseCase kMouse[] = {
    {"hover follows the pointer", "m1m2", "", 2, false},
    {"press and release on one button clicks it", "m0p0r0", "0", 0, false},
    {"pressed, the hot button does not follow the pointer", "p0m1", "", 0, true},
    {"released on another button: no click", "p0m1r1", "", 1, false},
    {"released off the buttons: no click", "p1rn", "", kNone, false},
    {"pressed off the buttons, released on one: no click", "pnr0", "", 0, false},
    {"the capture taken away ends the press", "p3cr3", "", 3, false},
    {"over the frame the hot button follows even while pressed", "p0f2", "", 2, true},
    {"two clicks", "p1r1p3r3", "13", 3, false},
};

TEST(GridBarButtons, AClickIsAPressAndAReleaseOnTheSameButton) {
  for (const MouseCase& c : kMouse) {
    CGridBarButtons bar;
    std::string clicks;
    for (const char* e = c.events; *e; e += (*e == 'c' ? 1 : 2)) {
      const int button = *e == 'c' ? kNone : e[1] == 'n' ? kNone : e[1] - '0';
      switch (*e) {
        case 'm':
          bar.OnMove(button);
          break;
        case 'f':
          bar.OnFrameMove(button);
          break;
        case 'p':
          bar.OnPress(button);
          break;
        case 'c':
          bar.OnCaptureLost();
          break;
        case 'r':
          if (int clicked = bar.OnRelease(button); clicked != kNone) clicks += char('0' + clicked);
          break;
      }
    }
    EXPECT_EQ(clicks, c.clicks) << c.what;
    EXPECT_EQ(bar.Hot(), c.hot) << c.what;
    EXPECT_EQ(bar.Pressed(), c.pressed) << c.what;
  }
}

TEST(GridBarButtons, EachButtonHasItsActionAndTooltip) {
  using A = CGridBarButtons::Action;
  const struct {
    int button;
    A withRow, withoutRow;
    const char* tip;
  } cases[] = {{0, A::kNewRow, A::kNewRow, "新建标注"},
               {1, A::kDeleteRow, A::kNothing, "删除标注"},
               {2, A::kMoveUp, A::kNothing, "Move Up"},
               {3, A::kMoveDown, A::kNothing, "Move Down"},
               {kNone, A::kNothing, A::kNothing, nullptr}};
  for (const auto& c : cases) {
    EXPECT_EQ(CGridBarButtons::ActionOf(c.button, 1), c.withRow) << c.button;
    EXPECT_EQ(CGridBarButtons::ActionOf(c.button, -1), c.withoutRow) << c.button;
    if (c.tip)
      EXPECT_STREQ(CGridBarButtons::Tip(c.button), c.tip);
    else
      EXPECT_EQ(CGridBarButtons::Tip(c.button), nullptr);
  }
  EXPECT_EQ(CGridBarButtons::Tip(-1), nullptr);
}

// Each button has one key, with exactly its modifiers; every other combination stays the
// list-view's (Shift+Delete, Ctrl+Insert: the clipboard's; plain Up and Down: the row cursor).
TEST(GridBarButtons, InsertDeleteAndAltWithTheArrowsPressTheButtons) {
  const unsigned S = GridModShift, C = GridModCtrl, A = GridModAlt;
  const unsigned keys[] = {GridKeyInsert, GridKeyDelete, GridKeyUp,    GridKeyDown,
                           GridKeyLeft,   GridKeyRight,  GridKeyEnter, GridKeySpace};
  for (unsigned key : keys) {
    for (unsigned modifiers = 0; modifiers <= (S | C | A); ++modifiers) {
      int expected = kNone;
      if (modifiers == 0 && key == GridKeyInsert) expected = 0;
      if (modifiers == 0 && key == GridKeyDelete) expected = 1;
      if (modifiers == A && key == GridKeyUp) expected = 2;
      if (modifiers == A && key == GridKeyDown) expected = 3;
      EXPECT_EQ(CGridBarButtons::ButtonForKey(key, modifiers), expected)
          << "key " << key << ", modifiers " << modifiers;
    }
  }
}

}  // namespace
