// CGridListCtrl: a report-style list-view turned into a small editable grid.
//
// The grid takes over an existing list-view control of a dialog (SubclassDlgItem) and then:
//  - keeps per-column editing rules (CGridColumnRules: read-only columns, editor kind, options);
//  - keeps a current column, as a DISPLAY POSITION, which Left and Right move and the focus cell
//    shows (CGridCursor decides what keys and clicks do with it; columns may be dragged into a new
//    order; column indexes never change, positions do; CGridGeometry maps the two and measures
//    the cells);
//  - on a cell whose value the parent chooses (a choice column), reports Enter, F2 and Space as a
//    click on that cell (NM_CLICK), so the parent opens its choice as for the mouse;
//  - presses its button bar's buttons for Insert, Delete, Alt+Up and Alt+Down (CGridBarButtons
//    says which key presses which), so the keys take the buttons' own road and checks;
//  - asks for an edit with LVN_BEGINLABELEDITA sent to its parent, which the parent's framework
//    reflects back to the grid, and has the column's editor kind (CGridEditorKind) open an
//    in-place editor over the cell; the editor's end notification takes the same road back;
//  - paints its cells itself through custom draw (CGridCustomDraw);
//  - adds, deletes and moves rows (CGridRows decides, over the list-view) and reports every changed
//    cell, inserted, deleted and moved row to its parent as LVN_SETDISPINFOA with the item masks
//    of GridNotify.h, sent synchronously;
//  - makes sure the parent hears of every click (NM_CLICK) exactly once and before an editor
//    opens, whenever the list-view itself would report it only later or not at all
//    (CGridClickReport); a press that the list-view takes for the start of a drag is no click.
//
// The parent owns the meaning of the rows; the grid knows only texts and one data value per row.
// The grid owns the editor that is open (at most one); an editor frees its own object once its
// window is gone and none of its handlers runs any more (CGridEditorWnd).
#pragma once

#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <vector>

#include "CString.h"
#include "CStringArray.h"
#include "GridClickReport.h"
#include "GridColumnRules.h"
#include "GridCursor.h"
#include "GridCustomDraw.h"
#include "GridNotify.h"
#include "GridRows.h"
#include "ListCtrl.h"

class CGridButtonBar;

class CGridListCtrl : public CListCtrl, private CGridRows::List {
 public:
  CGridListCtrl();
  ~CGridListCtrl() override;

  // Report view, no native label editing, full-row select and header drag-and-drop.  TRUE.
  BOOL InitGrid();
  // GetColumnCount (the header's item count) comes with the list-view wrapper.

  // Column rules; a call with a column out of range changes nothing (see CGridColumnRules).
  int SetReadOnlyColumnCount(int count);
  void SetColumnReadOnly(int column, BOOL readOnly);
  BOOL IsColumnReadOnly(int column) const { return m_rules.IsReadOnly(column); }
  void SetColumnEditor(int column, int kind);
  int GetColumnEditor(int column);
  void SetColumnOptions(const CStringArray& options);
  // A column whose value the parent chooses in a window of its own, opened on a click.
  void SetColumnChoice(int column, BOOL choice);
  const CStringArray& GetColumnOptions() const { return m_rules.GetFlatOptions(); }

  // The cell's rectangle in client coordinates (column 0 without the icon area); FALSE for a row
  // or column out of range or a null rectangle.
  BOOL GetCellRect(int row, int column, RECT* pRect) const;
  // Scrolls horizontally so that the column is shown; nothing for a bad column or an empty grid.
  void MakeColumnVisible(int column);

  // Rows.  AddRow(-1) appends; DeleteRow of a row that does not exist deletes and reports nothing.
  void AddRow(int index) { Rows().Add(index); }
  void DeleteRow(int row) { Rows().Delete(row); }
  void SelectRow(int row) override;
  int GetSelectedRow() const;
  void SwapRows(int a, int b) { Rows().Swap(a, b); }
  // Moves the row one place (nothing at the first or last row); it stays the selected and
  // focused row, and the parent is told (GridRowMoved).
  void MoveRowUp(int row) { Rows().Move(row, -1); }
  void MoveRowDown(int row) { Rows().Move(row, +1); }
  // The row operations, the button bar's among them.
  CGridRows Rows() { return CGridRows(*this); }
  // The bar whose buttons the grid's keys press; CGridButtonBar::SetGrid links the two (and
  // either one unlinks them when it goes).  Not owned.
  void AttachBar(CGridButtonBar* pBar) { m_pBar = pBar; }

  // Moves an editor window over the cell, scrolling the cell into view first.
  BOOL PlaceEditor(CWnd* pEditor, int row, int column);

  // Column index versus display position, from the header each time.  -1 when out of range.
  int GetColumnAtPosition(int position) const;
  int GetPositionOfColumn(int column) const;
  std::vector<int> GetOrderArray() const;

  int GetCurrentColumn() const { return m_cursor.Position(); }  // a display position, -1 = none
  CWnd* GetActiveEditor() const { return m_pEditor; }
  int GetEditRow() const { return m_nEditRow; }
  int GetEditColumn() const { return m_nEditColumn; }

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

 private:
  void OnLButtonDown(LPARAM lParam);
  void OnScroll();
  void OnDestroy();
  LRESULT OnBeginLabelEdit(const NMLVDISPINFOA* pInfo);
  LRESULT OnEndLabelEdit(const NMLVDISPINFOA* pInfo);

  // Sends LVN_BEGINLABELEDITA for the cell with its current text.
  void RequestEdit(int row, int column);
  void SendDispInfo(UINT code, UINT mask, int item, int subItem, const char* text, int length,
                    LPARAM lParam = 0);
  // The current column moved: show it and repaint the focused row.
  void ShowCurrentColumn();
  // The column index at the current position, -1 when there is none.
  int GetFocusColumn() const;
  // Closes the open editor without any notification.
  void DestroyEditor();

  // Sends NM_CLICK for a click the list-view did not report while the button went down.
  void SendClick(const LVHITTESTINFO& hit);
  // A key pressed a bar button: TRUE when the key-down is taken.
  BOOL OnBarKey(const MSG& msg);
  // A key reported the focused cell at the current column as clicked.
  void ChooseFocusedCell(int row);

  // The list-view as the row operations see it.
  int RowCount() const override { return GetItemCount(); }
  int ColumnCount() const override { return GetColumnCount(); }
  int InsertRow(int index) override { return InsertItem(index, ""); }
  bool RemoveRow(int row) override { return DeleteItem(row) != FALSE; }
  CString RowText(int row, int column) const override { return GetItemText(row, column); }
  void SetRowText(int row, int column, const CString& text) override;
  std::uintptr_t RowData(int row) const override { return GetItemData(row); }
  void SetRowData(int row, std::uintptr_t data) override { SetItemData(row, data); }
  void MarkRow(int row, bool marked) override;
  void ReportInserted(int row) override;
  void ReportDeleted(int row) override;
  void ReportMoved(int from, int to) override;

  CGridColumnRules m_rules;  // editor kinds, option lists, read-only flags
  CGridCursor m_cursor;      // the current column
  CWnd* m_pEditor;           // owned; see CGridEditorWnd for how it ends
  int m_nEditRow;
  int m_nEditColumn;
  CGridCustomDraw m_draw;
  CGridClickReport m_click;
  const NMHDR* m_pOwnClick = nullptr;  // the grid's own NM_CLICK while it goes out
  CGridButtonBar* m_pBar = nullptr;    // not owned; see AttachBar
};
