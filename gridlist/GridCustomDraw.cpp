#include "GridCustomDraw.h"

#include "GridGeometry.h"

namespace {

int SpaceWidth(HDC hdc) {
  SIZE size = {};
  ::GetTextExtentPoint32A(hdc, " ", 1, &size);
  return size.cx;
}

void FillSolid(HDC hdc, const RECT& rect, COLORREF color) {
  HBRUSH brush = ::CreateSolidBrush(color);
  ::FillRect(hdc, &rect, brush);
  ::DeleteObject(brush);
}

// One-pixel frame: top and left lines in one colour, bottom and right lines in another.
void Draw3dRect(HDC hdc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  FillSolid(hdc, RECT{r.left, r.top, r.left + w - 1, r.top + 1}, topLeft);
  FillSolid(hdc, RECT{r.left, r.top, r.left + 1, r.top + h - 1}, topLeft);
  FillSolid(hdc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
  FillSolid(hdc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
}

CGridCellColours::System SystemColours() {
  return {::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNSHADOW),
          ::GetSysColor(COLOR_BTNTEXT)};
}

bool HasState(const CListCtrl& list, int row, UINT state) {
  return (list.GetItemState(row, state) & state) != 0;
}

}  // namespace

LRESULT CGridCustomDraw::OnCustomDraw(NMLVCUSTOMDRAW* pDraw, int focusColumn) {
  switch (pDraw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return OnPrePaint(pDraw);
    case CDDS_ITEMPREPAINT:
      return OnItemPrePaint(pDraw);
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
      return OnSubItemPrePaint(pDraw);
    case CDDS_ITEMPOSTPAINT | CDDS_SUBITEM:
      return OnSubItemPostPaint(pDraw, focusColumn);
    case CDDS_POSTPAINT:
      return OnPostPaint(pDraw, focusColumn);
  }
  return OnOtherStage(pDraw);
}

LRESULT CGridCustomDraw::OnPrePaint(NMLVCUSTOMDRAW*) {
  return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
}

LRESULT CGridCustomDraw::OnItemPrePaint(NMLVCUSTOMDRAW* pDraw) {
  pDraw->clrText = kTextColor;
  pDraw->clrTextBk = kTextBkColor;
  return CDRF_NOTIFYSUBITEMDRAW | CDRF_NEWFONT;
}

LRESULT CGridCustomDraw::OnSubItemPrePaint(NMLVCUSTOMDRAW*) {
  return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
}

LRESULT CGridCustomDraw::OnSubItemPostPaint(NMLVCUSTOMDRAW* pDraw, int focusColumn) {
  const int row = static_cast<int>(pDraw->nmcd.dwItemSpec);
  const int column = pDraw->iSubItem;
  if (!(pDraw->nmcd.uItemState & CDIS_FOCUS) || column != focusColumn) return CDRF_DODEFAULT;
  const CGridCellColours::Look look = CGridCellColours::Of(
      {m_rules.IsReadOnly(column), HasState(m_list, row, LVIS_SELECTED), true, true},
      SystemColours());
  if (look.kind != CGridCellColours::Kind::kFocus) return CDRF_SKIPDEFAULT;  // post-paint draws it

  HDC hdc = pDraw->nmcd.hdc;
  const int margin = 2 * SpaceWidth(hdc);
  RECT bounds = {}, cell = pDraw->nmcd.rc;
  m_list.GetItemRect(row, &bounds, LVIR_BOUNDS);
  cell.top = bounds.top;
  cell.bottom = bounds.bottom;
  RECT part = {};
  if (column == 0 ? m_list.GetItemRect(row, &part, LVIR_LABEL)
                  : CGridGeometry(m_list).CellRect(row, column, &part)) {
    cell.left = part.left;
    cell.right = part.right;
  }
  FillSolid(hdc, cell, look.fill);
  cell.left += margin;
  cell.right -= margin;
  DrawCellText(hdc, cell, row, column, look.text);
  return CDRF_SKIPDEFAULT;
}

LRESULT CGridCustomDraw::OnPostPaint(NMLVCUSTOMDRAW* pDraw, int focusColumn) {
  const int rows = m_list.GetItemCount();
  const int top = m_list.GetTopIndex();
  if (top < 0 || top >= rows) return CDRF_DODEFAULT;
  int last = top + m_list.GetCountPerPage();
  if (last > rows - 1) last = rows - 1;
  const int columns = m_list.GetColumnCount();
  for (int column = 0; column < columns; ++column) {
    if (!m_rules.IsReadOnly(column)) continue;
    for (int row = top; row <= last; ++row)
      DrawReadOnlyCell(pDraw->nmcd.hdc, row, column, focusColumn);
  }
  return CDRF_DODEFAULT;
}

LRESULT CGridCustomDraw::OnOtherStage(NMLVCUSTOMDRAW* pDraw) {
  return (pDraw->nmcd.uItemState & CDIS_FOCUS) ? CDRF_NOTIFYSUBITEMDRAW : CDRF_DODEFAULT;
}

void CGridCustomDraw::DrawReadOnlyCell(HDC hdc, int row, int column, int focusColumn) {
  RECT cell = {};
  if (!CGridGeometry(m_list).CellRect(row, column, &cell)) return;
  const int margin = SpaceWidth(hdc);
  const CGridCellColours::Look look =
      CGridCellColours::Of({true, HasState(m_list, row, LVIS_SELECTED),
                            HasState(m_list, row, LVIS_FOCUSED), column == focusColumn},
                           SystemColours());
  FillSolid(hdc, cell, look.fill);
  Draw3dRect(hdc, cell, look.edgeTopLeft, look.edgeBottomRight);
  cell.left += margin;
  cell.right -= margin;
  DrawCellText(hdc, cell, row, column, look.text);
}

void CGridCustomDraw::DrawCellText(HDC hdc, RECT rect, int row, int column, COLORREF color) {
  const CString text = m_list.GetItemText(row, column);
  const int saved = ::SaveDC(hdc);
  if (HFONT font = m_list.GetFont()) ::SelectObject(hdc, font);
  ::SetBkMode(hdc, TRANSPARENT);
  ::SetTextColor(hdc, color);
  ::DrawTextA(hdc, text, text.GetLength(), &rect, kCellTextFormat);
  ::RestoreDC(hdc, saved);
}
