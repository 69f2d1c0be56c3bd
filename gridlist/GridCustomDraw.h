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
// The painter belongs to its grid and holds nothing but the reference to it.
#pragma once

#include <windows.h>
// after windows.h
#include <commctrl.h>

class CGridListCtrl;

class CGridCustomDraw {
 public:
  // Colours (COLORREF, 0x00BBGGRR).
  static constexpr COLORREF kTextColor = 0xFF0000;              // blue
  static constexpr COLORREF kTextBkColor = 0xDCFFFF;            // pale yellow
  static constexpr COLORREF kFocusCellColor = 0xFFB4FF;         // pale magenta
  static constexpr COLORREF kSelectedReadOnlyColor = 0xFFC8C8;  // pale blue
  // DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS
  static constexpr UINT kCellTextFormat = 0x8824;

  explicit CGridCustomDraw(CGridListCtrl& grid) : m_grid(grid) {}

  // The result of one NM_CUSTOMDRAW notification.
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW* pDraw);

  LRESULT OnPrePaint(NMLVCUSTOMDRAW* pDraw);
  LRESULT OnItemPrePaint(NMLVCUSTOMDRAW* pDraw);
  LRESULT OnSubItemPrePaint(NMLVCUSTOMDRAW* pDraw);
  LRESULT OnSubItemPostPaint(NMLVCUSTOMDRAW* pDraw);
  LRESULT OnPostPaint(NMLVCUSTOMDRAW* pDraw);
  LRESULT OnOtherStage(NMLVCUSTOMDRAW* pDraw);

 private:
  // The column index the focus highlight refers to, -1 when there is no current column.
  int GetFocusColumn() const;
  void DrawReadOnlyCell(HDC hdc, int row, int column, int focusColumn);
  void DrawCellText(HDC hdc, RECT rect, int row, int column, COLORREF color);

  CGridListCtrl& m_grid;
};
