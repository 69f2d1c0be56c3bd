// CGridColumnRules: the per-column editing rules of the grid list control - which columns are
// read-only, which in-place editor a column uses, the option lists of the combo-box columns, and
// which columns the grid's parent chooses in a window of its own (a click on such a cell opens
// it; so do Enter, F2 and Space).
//
// The rules know nothing of windows: the grid passes its current column count where a rule
// depends on it.  Every operation that takes a column checks it first; a call with a column out of
// range is rejected and leaves all the arrays exactly as they were.
//
// Option lists are kept flattened, the way the configuration window hands them over: the options
// of every column in column order, with one empty string between one column's options and the
// next.  The options of column k are the non-empty strings that follow exactly k empty strings.
#pragma once

#include "CArray.h"
#include "CString.h"
#include "CStringArray.h"

// Kind of in-place editor a column uses.
enum GridEditorKind {
  EditorNone = -1,     // no editor opens (EditorFor only)
  EditorEditBox = 0,   // multi-line edit box (the default)
  EditorComboBox = 1,  // drop-down combo box offering the column's options
};

class CGridColumnRules {
 public:
  // A column is read-only if its index is below the flag array's size and its flag is non-zero.
  bool IsReadOnly(int column) const;

  // Makes exactly the first `count` columns read-only and drops the flags of all later columns.
  // Returns the number of flags held before, or -1 (nothing changed) when count is negative.
  int SetReadOnlyColumnCount(int count);

  // Sets one column's flag, growing the flag array with editable entries as needed.
  // Returns false (nothing changed) for a negative column.
  bool SetColumnReadOnly(int column, bool readOnly);

  // Stores the editor kind of a column; the kind array is resized to columnCount first.
  // Returns false (nothing changed) unless 0 <= column < columnCount.
  bool SetColumnEditor(int column, int kind, int columnCount);

  // The editor kind of a column; the kind array first grows to columnCount (new entries are
  // EditorEditBox).  A column out of range answers EditorEditBox and changes nothing.
  int GetColumnEditor(int column, int columnCount);

  // The editor an edit request for the cell (row, column) opens: none for a read-only column or a
  // cell outside the grid's rows and columns, else the column's kind (as GetColumnEditor).
  int EditorFor(int row, int column, int rowCount, int columnCount);

  // Whether the parent chooses the column's values: its flag was set and not cleared since.
  bool IsChoice(int column) const;
  // Sets one column's choice flag, growing the flag array as needed.  Returns false (nothing
  // changed) for a negative column.
  bool SetColumnChoice(int column, bool choice);

  // Replaces the flattened option lists by a copy of `options` (separators included).
  void SetColumnOptions(const CStringArray& options);
  const CStringArray& GetFlatOptions() const { return m_arrOptions; }

  // Appends the options of `column` to `out` in their order (nothing for a column without any).
  static void GetColumnOptions(const CStringArray& flat, int column, CStringArray& out);

 private:
  CArray<int, int> m_arrEditorKinds;
  CStringArray m_arrOptions;
  CByteArray m_arrReadOnly;
  CByteArray m_arrChoice;
};
