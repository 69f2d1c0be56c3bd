// CGridComboEdit: the edit field inside the grid's combo-box editor (the combo box's own edit
// child, control id 1001), taken over by CGridCellCombo.
//
// It keeps every key from the dialog (key-downs and key-ups are translated and dispatched at once,
// Alt+key characters are swallowed), hands Ctrl+Page Up/Page Down/arrows down and Tab, Enter and
// Escape key-ups to its combo, and ends the edit when it loses the focus.  It belongs to its combo
// (a member of it) and lends its messages to the combo's lifetime: the combo object is not freed
// while one of the field's handlers runs.
#pragma once

#include "Edit.h"

class CGridCellCombo;

class CGridComboEdit : public CEdit {
 public:
  // The control id of a combo box's edit child.
  static constexpr int kEditId = 1001;

  explicit CGridComboEdit(CGridCellCombo& combo) : m_combo(combo) {}

  BOOL PreTranslateMessage(MSG* pMsg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

 private:
  BOOL OnKeyDown(WPARAM key, LPARAM lParam);
  BOOL OnKeyUp(WPARAM key, LPARAM lParam);

  CGridCellCombo& m_combo;
};
