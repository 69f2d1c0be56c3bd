// CGridEditKeys: what the grid's edit-box editor does with keys.
//
// Enter, Delete, Escape and every key with Ctrl held or toggled go to the box before the dialog
// can take them (Enter would press the dialog's default button, Escape close it); a multi-line
// box gets Escape only as a character.  As a character, Enter commits and Escape discards the
// edit; any other character is typed into the box, which then grows with its text.
#pragma once

class CGridEditKeys {
 public:
  // Whether the box takes the key-down away from the dialog; `ctrlState` is the Ctrl key's state
  // as the system reports it (non-zero while held down or toggled).
  static bool TakesKeyDown(unsigned key, int ctrlState);
  // Whether a key-down the box took is dispatched to it (else it only becomes a character).
  static bool DispatchesKeyDown(unsigned key, bool multiLine);

  enum class Char { kType, kCommit, kDiscard };
  static Char OnChar(unsigned ch);
};
