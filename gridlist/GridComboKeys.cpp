#include "GridComboKeys.h"

#include "GridKeys.h"

namespace {

unsigned KeyBit(unsigned key) {
  switch (key) {
    case GridKeyTab:
      return 1;
    case GridKeyEnter:
      return 2;
    case GridKeyEscape:
      return 4;
  }
  return 0;
}

bool IsPageOrArrowKey(unsigned key) {
  return key == GridKeyPageUp || key == GridKeyPageDown ||
         (key >= GridKeyLeft && key <= GridKeyDown);
}

}  // namespace

CGridComboKeys::FirstKey CGridComboKeys::OnFirstKey(unsigned key) {
  if (key == GridKeyMouse || key == GridKeyEnter || key == GridKeyBack) return {true, true};
  if (key >= GridKeyPageUp && key <= GridKeyDown) return {false, false};
  return {false, true};  // the typed character replaces the text
}

bool CGridComboKeys::IsEndKey(unsigned key) {
  return KeyBit(key) != 0;
}

bool CGridComboKeys::EndsOnKeyDown(unsigned key, bool ctrlHeld) {
  return ctrlHeld && IsPageOrArrowKey(key);
}

void CGridComboKeys::NoteKeyDown(unsigned key) {
  m_nKeysDown |= KeyBit(key);
}

CGridComboKeys::KeyUp CGridComboKeys::OnKeyUp(unsigned key, int textLength) {
  const unsigned bit = KeyBit(key);
  if (!bit) return KeyUp::kNotMine;
  if (!(m_nKeysDown & bit)) return KeyUp::kKeep;  // went down elsewhere
  m_nKeysDown &= ~bit;
  switch (key) {
    case GridKeyEscape:
      return KeyUp::kRestoreAndEnd;
    case GridKeyTab:
      return KeyUp::kEnd;
  }
  return textLength > 0 ? KeyUp::kEnd : KeyUp::kKeep;
}
