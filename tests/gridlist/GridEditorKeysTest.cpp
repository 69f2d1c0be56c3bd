// Which keys end an edit in the grid's two in-place editors, and how the combo takes its first key.
#include <gtest/gtest.h>

#include <string>

#include "GridComboKeys.h"
#include "GridEditKeys.h"
#include "GridKeys.h"

namespace {

constexpr unsigned kHome = 0x24, kLetterA = 'A', kCharX = 'x';

TEST(GridEditKeys, EnterCommitsEscapeDiscardsAndTheDialogNeverSeesThem) {
  const struct {
    unsigned key;
    int ctrl;
    bool takes;
  } downs[] = {{GridKeyEnter, 0, true}, {GridKeyEscape, 0, true}, {GridKeyDelete, 0, true},
               {kLetterA, 0, false},    {GridKeyTab, 0, false},   {kLetterA, -128, true},
               {kLetterA, 1, true}};  // Ctrl held, then only toggled
  for (const auto& c : downs)
    EXPECT_EQ(CGridEditKeys::TakesKeyDown(c.key, c.ctrl), c.takes) << c.key << " " << c.ctrl;
  EXPECT_FALSE(CGridEditKeys::DispatchesKeyDown(GridKeyEscape, true));
  EXPECT_TRUE(CGridEditKeys::DispatchesKeyDown(GridKeyEscape, false));
  EXPECT_TRUE(CGridEditKeys::DispatchesKeyDown(GridKeyEnter, true));

  using Char = CGridEditKeys::Char;
  EXPECT_EQ(CGridEditKeys::OnChar(GridKeyEnter), Char::kCommit);
  EXPECT_EQ(CGridEditKeys::OnChar(GridKeyEscape), Char::kDiscard);
  EXPECT_EQ(CGridEditKeys::OnChar(kCharX), Char::kType);
  EXPECT_EQ(CGridEditKeys::OnChar(GridKeyTab), Char::kType);
}

TEST(GridComboKeys, TheFirstKeyPlacesTheCaretOrReplacesTheText) {
  const struct {
    unsigned key;
    bool caretAtEnd, sendChar;
  } cases[] = {{GridKeyEnter, true, true}, {GridKeyMouse, true, true},
               {GridKeyBack, true, true},  {GridKeyPageUp, false, false},
               {kHome, false, false},      {GridKeyDown, false, false},
               {kCharX, false, true},      {GridKeyDelete, false, true}};
  for (const auto& c : cases) {
    const CGridComboKeys::FirstKey first = CGridComboKeys::OnFirstKey(c.key);
    EXPECT_EQ(first.caretAtEnd, c.caretAtEnd) << c.key;
    EXPECT_EQ(first.sendChar, c.sendChar) << c.key;
  }
}

TEST(GridComboKeys, CtrlWithAPageOrArrowKeyEndsTheEditAsItGoesDown) {
  for (unsigned key : {0x21u, 0x22u, 0x25u, 0x26u, 0x27u, 0x28u})  // Page Up, Page Down, arrows
    EXPECT_TRUE(CGridComboKeys::EndsOnKeyDown(key, true)) << key;
  EXPECT_FALSE(CGridComboKeys::EndsOnKeyDown(GridKeyDown, false));
  EXPECT_FALSE(CGridComboKeys::EndsOnKeyDown(kHome, true));
  EXPECT_FALSE(CGridComboKeys::EndsOnKeyDown(GridKeyEnter, true));
}

using KeyUp = CGridComboKeys::KeyUp;

struct UpCase {
  const char* what;
  const char* downs;  // keys that went down inside the editor: t Tab, e Enter, x Escape
  unsigned up;
  int textLength;  // of the field
  KeyUp result;
};

const UpCase kUps[] = {
    {"Tab ends", "t", GridKeyTab, 0, KeyUp::kEnd},
    {"Escape puts the initial text back and ends", "x", GridKeyEscape, 2, KeyUp::kRestoreAndEnd},
    // Enter ends with text in the field, however it is selected: after an option chosen with
    // the arrow keys the whole text is selected, after Home the caret stands before it.
    {"Enter with text in the field ends", "e", GridKeyEnter, 3, KeyUp::kEnd},
    {"Enter in an empty field keeps the edit", "e", GridKeyEnter, 0, KeyUp::kKeep},
    {"the Enter that opened the editor went down elsewhere", "", GridKeyEnter, 3, KeyUp::kKeep},
    {"an Escape that went down elsewhere", "te", GridKeyEscape, 0, KeyUp::kKeep},
    {"other keys are not the combo's", "tex", kCharX, 1, KeyUp::kNotMine},
};

TEST(GridComboKeys, EndKeysEndTheEditOnlyWhenTheyWentDownInsideIt) {
  for (const UpCase& c : kUps) {
    CGridComboKeys keys;
    for (const char* d = c.downs; *d; ++d)
      keys.NoteKeyDown(*d == 't' ? GridKeyTab : *d == 'e' ? GridKeyEnter : GridKeyEscape);
    EXPECT_EQ(keys.OnKeyUp(c.up, c.textLength), c.result) << c.what;
  }
  CGridComboKeys keys;  // a key-down counts for one key-up
  keys.NoteKeyDown(GridKeyTab);
  EXPECT_EQ(keys.OnKeyUp(GridKeyTab, 0), KeyUp::kEnd);
  EXPECT_EQ(keys.OnKeyUp(GridKeyTab, 0), KeyUp::kKeep);
}

}  // namespace
