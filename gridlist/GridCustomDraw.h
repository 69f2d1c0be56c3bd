// CGridCustomDraw: how CGridListCtrl paints its cells, one member per custom-draw stage.
//
//   prepaint               ask for item drawing and for the post-paint stage;
//   item prepaint          blue text on pale yellow for every row, ask for sub-item drawing;
//   sub-item prepaint      ask for the sub-item's post-paint stage;
//   sub-item post-paint    the focus cell (the focused row at the current column) in pale
//                          magenta; default drawing is skipped for it;
//   post-paint             read-only columns drawn over as grey buttons, pale blue in selected
//                          rows, with a pale magenta edge on the focus cell.
//
// Which colours a cell gets is CGridCellColours' choice; the painter asks it for every cell it
// draws itself.  The painter belongs to its grid and holds nothing but references to the grid's
// list view and column rules; the grid tells it, with every notification, which column the focus
// cell is in.
#pragma once

#include <windows.h>
// after windows.h
#include <commctrl.h>

#include "GridCellColours.h"
#include "GridColumnRules.h"
#include "ListCtrl.h"

class CGridCustomDraw {
 public:
  // Colours (COLORREF, 0x00BBGGRR).
  static constexpr COLORREF kTextColor = CGridCellColours::kTextColor;
  static constexpr COLORREF kTextBkColor = CGridCellColours::kTextBkColor;
  static constexpr COLORREF kFocusCellColor = CGridCellColours::kFocusCellColor;
  static constexpr COLORREF kSelectedReadOnlyColor = CGridCellColours::kSelectedReadOnlyColor;
  // DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS
  static constexpr UINT kCellTextFormat = 0x8824;

  CGridCustomDraw(CListCtrl& list, const CGridColumnRules& rules) : m_list(list), m_rules(rules) {}

  // The result of one NM_CUSTOMDRAW notification.  `focusColumn` is the column index the focus
  // highlight refers to, -1 when the grid has no current column.
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW* pDraw, int focusColumn);

  LRESULT OnPrePaint(NMLVCUSTOMDRAW* pDraw);
  LRESULT OnItemPrePaint(NMLVCUSTOMDRAW* pDraw);
  LRESULT OnSubItemPrePaint(NMLVCUSTOMDRAW* pDraw);
  LRESULT OnSubItemPostPaint(NMLVCUSTOMDRAW* pDraw, int focusColumn);
  LRESULT OnPostPaint(NMLVCUSTOMDRAW* pDraw, int focusColumn);
  LRESULT OnOtherStage(NMLVCUSTOMDRAW* pDraw);

 private:
  void DrawReadOnlyCell(HDC hdc, int row, int column, int focusColumn);
  void DrawCellText(HDC hdc, RECT rect, int row, int column, COLORREF color);

  CListCtrl& m_list;
  const CGridColumnRules& m_rules;
};
