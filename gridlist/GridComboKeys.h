// CGridComboKeys: which keys end an edit in the grid's combo-box editor, and how the editor's
// field takes the key that opened it.
//
// Tab, Escape (after putting the initial text back) and Enter in a field that holds text end the
// edit when they come up, but only when they went down inside this editor: the Enter that opened
// the editor must not close it.  Enter ends it whether the text is selected (as it is after an
// option was chosen with the arrow keys) or the caret stands anywhere in it; only an empty field
// keeps the edit open.  Ctrl with Page Up, Page Down or an arrow ends it as it
// goes down.  Plain state, no window: the combo tells it the key-downs and asks on each key-up.
#pragma once

class CGridComboKeys {
 public:
  // How the field takes the first key: the caret after the text or the whole text selected, and
  // whether the key then goes to the field as a character.
  struct FirstKey {
    bool caretAtEnd;
    bool sendChar;
  };
  static FirstKey OnFirstKey(unsigned key);

  // Tab, Enter and Escape: the keys whose key-up may end the edit.
  static bool IsEndKey(unsigned key);
  // Ctrl+Page Up/Page Down/arrows: the key-down ends the edit (the field hands it to the combo).
  static bool EndsOnKeyDown(unsigned key, bool ctrlHeld);

  enum class KeyUp {
    kNotMine,        // not an end key: default handling
    kKeep,           // an end key that keeps the edit open (or went down elsewhere)
    kEnd,            // end the edit with the field's text
    kRestoreAndEnd,  // put the initial text back, then end the edit
  };
  void NoteKeyDown(unsigned key);
  // An end key came up; the field holds `textLength` bytes.
  KeyUp OnKeyUp(unsigned key, int textLength);

 private:
  unsigned m_nKeysDown = 0;  // bit per end key that went down inside this editor
};
