#include "ColorDialog.h"

#include "ModalLoop.h"
#include "TestSeams.h"
#include "Wnd.h"

COLORREF* CColorDialog::GetSavedCustomColors() {
  static COLORREF custom[16] = {
      RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
      RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
      RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
      RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
  return custom;
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : m_cc() {
  m_cc.lStructSize = sizeof m_cc;
  m_cc.hwndOwner = CWnd::HwndOf(pParentWnd);
  m_cc.rgbResult = clrInit;
  m_cc.lpCustColors = GetSavedCustomColors();
  m_cc.Flags = dwFlags;
}

INT_PTR CColorDialog::DoModal() {
  BOOL chosen = FALSE;
  COLORREF colour = m_cc.rgbResult;
  if (!fw::seam::AnswerColor(m_cc.rgbResult, &colour, chosen)) {
    CModalLoop loop;
    return ::ChooseColorA(&m_cc) ? IDOK : IDCANCEL;
  }
  if (chosen) m_cc.rgbResult = colour;
  return chosen ? IDOK : IDCANCEL;
}
