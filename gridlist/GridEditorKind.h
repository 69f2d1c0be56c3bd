// CGridEditorKind: how the grid opens the in-place editor of a column - one strategy object per
// editor kind (the edit box, the combo box), chosen per column by the kind the column rules hold.
// The grid asks the column's kind to open an editor and owns what it gets back; the kinds keep no
// state of their own.
#pragma once

#include "CString.h"
#include "CStringArray.h"
#include "GridColumnRules.h"  // GridEditorKind
#include "ListCtrl.h"

class CGridEditorKind {
 public:
  virtual ~CGridEditorKind() = default;

  // Opens an editor over the cell (row, column) of `grid`, showing `text`; `options` are the
  // grid's flattened option lists.  The editor has control id kGridEditorId and takes the focus.
  // Null when no editor object could be made; an editor whose window could not be created has
  // no window and is the caller's to delete.
  virtual CWnd* Open(CListCtrl& grid, int row, int column, const CString& text,
                     const CStringArray& options) const = 0;

  // The strategy of an editor kind (GridEditorKind); any other value opens an edit box.
  static const CGridEditorKind& Of(int kind);
};
