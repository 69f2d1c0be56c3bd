// CGridCellCombo: the grid's in-place combo box, offering the options of the edited column.
//
// The constructor creates the window over the cell (its height grown for four list rows), fills
// it with the column's options, selects the first option that begins with the cell's text (or
// shows the text unchanged when none does), takes over its edit field (CGridComboEdit), applies
// the first key and takes the focus.  Tab, Escape (which first restores the initial text) and
// Enter with text in the field end the edit, as do Ctrl+Page Up/Page Down/arrows and any focus
// change (CGridComboKeys decides); EndEdit sends the end notification (LVN_ENDLABELEDITA,
// through the grid's parent back to the grid) with the field's text, at most once.  The grid owns
// the editor; the object frees itself after its window is destroyed, by the grid or together with
// its parent (CGridEditorWnd).
#pragma once

#include "CString.h"
#include "CStringArray.h"
#include "ComboBox.h"
#include "GridComboEdit.h"
#include "GridComboKeys.h"
#include "GridEditorWnd.h"

class CGridCellCombo : public CGridEditorWnd<CComboBox> {
 public:
  // Added to the given style: WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | CBS_AUTOHSCROLL.
  static constexpr DWORD kBaseStyle = 0x50A00040;
  // The dropped list is never wider than this.
  static constexpr int kMaxDropWidth = 200;

  // `options` is the grid's flattened option lists; firstKey is a virtual-key code (VK_RETURN from
  // the grid, VK_LBUTTON for a click, or a typed character).
  CGridCellCombo(CWnd* pParent, const RECT& cell, DWORD style, UINT id, int row, int column,
                 const CStringArray& options, const CString& initialText, UINT firstKey);

  // Sends the end notification with the field's text; only the first call does anything.
  void EndEdit();
  // Width for the dropped list: widest option plus a scroll bar and a "0", at most 200 pixels.
  int ComputeDropWidth() const;

  int GetRow() const { return m_nRow; }
  int GetColumn() const { return m_nColumn; }
  CGridComboEdit& GetEditField() { return m_edit; }

  // The edit field reports the key-downs of Tab, Enter and Escape: their key-ups count only when
  // the key went down inside this editor, so the Enter that opened the editor does not close it.
  void NoteKeyDown(UINT key);

 protected:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

 private:
  void ApplyFirstKey(UINT key);
  BOOL OnKeyUp(UINT key);  // Tab, Enter or Escape, also handed over by the field
  HWND GetGrid() const { return ::GetParent(m_hWnd); }

  CGridComboEdit m_edit;
  int m_nVisibleRows;
  CString m_strInitialText;
  int m_nRow;
  int m_nColumn;
  bool m_bEnded;          // the end notification went out (or the window is going): never again
  CGridComboKeys m_keys;  // which end keys went down inside this editor
};
