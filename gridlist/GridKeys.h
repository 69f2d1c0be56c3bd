// The keys the grid and its in-place editors decide on, as virtual-key codes, so that the
// decisions need no window headers.
#pragma once

enum GridKey : unsigned {
  GridKeyMouse = 0x01,  // the left button: an editor opened by a click
  GridKeyBack = 0x08,
  GridKeyTab = 0x09,
  GridKeyEnter = 0x0D,
  GridKeyEscape = 0x1B,
  GridKeyPageUp = 0x21,  // Page Up, Page Down, End, Home, then the four arrows
  GridKeyPageDown = 0x22,
  GridKeyLeft = 0x25,
  GridKeyRight = 0x27,
  GridKeyDown = 0x28,
  GridKeyDelete = 0x2E,
  GridKeyF2 = 0x71,
};
