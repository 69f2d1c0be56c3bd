// The keys the grid and its in-place editors decide on, as virtual-key codes, and the modifier
// keys held with them, as bits, so that the decisions need no window headers.
#pragma once

enum GridKey : unsigned {
  GridKeyMouse = 0x01,  // the left button: an editor opened by a click
  GridKeyBack = 0x08,
  GridKeyTab = 0x09,
  GridKeyEnter = 0x0D,
  GridKeyEscape = 0x1B,
  GridKeySpace = 0x20,
  GridKeyPageUp = 0x21,  // Page Up, Page Down, End, Home, then the four arrows
  GridKeyPageDown = 0x22,
  GridKeyLeft = 0x25,
  GridKeyUp = 0x26,
  GridKeyRight = 0x27,
  GridKeyDown = 0x28,
  GridKeyInsert = 0x2D,
  GridKeyDelete = 0x2E,
  GridKeyF2 = 0x71,
};

// The modifier keys held down with a key.
enum GridModifier : unsigned {
  GridModNone = 0,
  GridModShift = 1,
  GridModCtrl = 2,
  GridModAlt = 4,
};
