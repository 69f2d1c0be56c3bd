// CGridBarButtons: the four buttons of the grid's button bar - where they are, which one is hot
// (under the pointer) or pressed, what a click on each does, which tooltip names it and which key
// presses it.
//
// The buttons sit side by side at the bar's right end, vertically centred.  The hot button follows
// the pointer except while a button is pressed; a click is a press and a release on the same
// button.  While the grid has the focus, Insert presses "new", Delete "delete", Alt+Up and
// Alt+Down the two arrows, each as a click does.  Plain state, no window: the bar tells it sizes
// and mouse events (as buttons under the pointer) and repaints and acts on the answers.
#pragma once

#include "GridBox.h"

class CGridBarButtons {
 public:
  static constexpr int kCount = 4;
  static constexpr int kWidth = 22;
  static constexpr int kHeight = 20;
  static constexpr int kNone = 4;  // the hot-button value when the pointer is on none

  // What a click on a button does with the grid, given its selected row (-1 when none).
  enum class Action { kNothing, kNewRow, kDeleteRow, kMoveUp, kMoveDown };
  static Action ActionOf(int button, int selectedRow);
  // The tooltip text of a button (0..3), nullptr for anything else.
  static const char* Tip(int button);
  // The button a key-down in the grid presses, with exactly these modifiers held (GridModifier
  // bits); kNone for any other key or combination.
  static int ButtonForKey(unsigned key, unsigned modifiers);

  // Places the buttons in a bar of this client size.
  void Layout(int width, int height);
  GridBox Button(int button) const { return m_buttons[button]; }
  // The button at a point in client coordinates, kNone when none.
  int HitTest(int x, int y) const;

  int Hot() const { return m_nHot; }
  bool Pressed() const { return m_bPressed; }

  // The pointer moved onto `button` (kNone: off the buttons).  True when the hot button changed:
  // the one before and the new one need repainting.
  bool OnMove(int button);
  // The pointer moved over the bar's frame, onto `button` as the point falls: it becomes hot even
  // while a button is pressed.
  void OnFrameMove(int button) { m_nHot = button; }
  // The button went down over `button`: it becomes hot, and pressed when it is a button.
  bool OnPress(int button);
  // The button came up over `button`: the button clicked (pressed and released on the same
  // button), kNone when it was no click.  Nothing is pressed any more; `button` is hot.
  int OnRelease(int button);
  // The press ended without a release (the mouse capture went elsewhere); true when one was on.
  bool OnCaptureLost();

 private:
  GridBox m_buttons[kCount] = {};
  int m_nHot = kNone;
  bool m_bPressed = false;
};
