#include "ColorDialog.h"

#include "TestSeams.h"
#include "Wnd.h"

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
    : m_cc(), m_clrCustom() {
  m_cc.lStructSize = sizeof m_cc;
  m_cc.hwndOwner = CWnd::HwndOf(pParentWnd);
  m_cc.rgbResult = clrInit;
  m_cc.lpCustColors = m_clrCustom;
  m_cc.Flags = dwFlags;
}

INT_PTR CColorDialog::DoModal() {
  BOOL chosen = FALSE;
  COLORREF colour = m_cc.rgbResult;
  if (!fw::seam::AnswerColor(m_cc.rgbResult, &colour, chosen))
    return ::ChooseColorA(&m_cc) ? IDOK : IDCANCEL;
  if (chosen) m_cc.rgbResult = colour;
  return chosen ? IDOK : IDCANCEL;
}
