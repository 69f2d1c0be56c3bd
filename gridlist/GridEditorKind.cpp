#include "GridEditorKind.h"

#include "GridCellCombo.h"
#include "GridCellEdit.h"
#include "GridGeometry.h"
#include "GridNotify.h"

namespace {

// A multi-line edit box that grows with its text (CGridCellEdit).
class CEditBoxKind : public CGridEditorKind {
 public:
  // A visible bordered multi-line child scrolling vertically.
  static constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL;
  static_assert(kStyle == 0x50800044, "edit-box editor style");

  CWnd* Open(CListCtrl& grid, int row, int column, const CString& text,
             const CStringArray&) const override {
    auto* pEdit = new CGridCellEdit(row, column, text);
    if (pEdit->CreateEditor(0, "EDIT", kStyle, RECT{0, 0, 100, 100}, &grid, kGridEditorId)) {
      PlaceOverGridCell(grid, *pEdit, row, column);
      pEdit->FitToText();
    }
    return pEdit;
  }
};

// A drop-down combo box offering the column's options (CGridCellCombo).
class CComboBoxKind : public CGridEditorKind {
 public:
  CWnd* Open(CListCtrl& grid, int row, int column, const CString& text,
             const CStringArray& options) const override {
    RECT cell = {};
    grid.GetSubItemRect(row, column, LVIR_BOUNDS, cell);
    auto* pCombo = new CGridCellCombo(&grid, cell, CBS_DROPDOWN, kGridEditorId, row, column,
                                      options, text, VK_RETURN);
    PlaceOverGridCell(grid, *pCombo, row, column);
    return pCombo;
  }
};

}  // namespace

const CGridEditorKind& CGridEditorKind::Of(int kind) {
  static const CEditBoxKind editBox;
  static const CComboBoxKind comboBox;
  static const CGridEditorKind* const kinds[] = {&editBox, &comboBox};  // by GridEditorKind
  static_assert(EditorEditBox == 0 && EditorComboBox == 1, "kinds in the order of their values");
  return kind >= 0 && kind < 2 ? *kinds[kind] : editBox;
}
