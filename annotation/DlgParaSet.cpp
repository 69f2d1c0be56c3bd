#include "DlgParaSet.h"

CDlgParaSet::CDlgParaSet(CWnd* pParent)
    : CDialog(IDD_PARASET, pParent), m_pMap(nullptr), m_nSelCount(0) {}

CDlgParaSet::~CDlgParaSet() = default;

void CDlgParaSet::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_EDIT_SEL_COUNT, m_nSelCount);
}

BOOL CDlgParaSet::OnInitDialog() {
  CDialog::OnInitDialog();  // binds the controls
  if (m_arrSelHandles.GetSize() > 0) m_nSelCount = m_arrSelHandles.GetSize();
  UpdateData(FALSE);
  return TRUE;  // the focus was not set here
}

BOOL CDlgParaSet::PreTranslateMessage(MSG* pMsg) {
  return CDialog::PreTranslateMessage(pMsg);
}

BOOL CDlgParaSet::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) == BN_CLICKED) {
    switch (LOWORD(wParam)) {
      case IDC_BTN_PICK:
        OnPickEntities();
        return TRUE;
    }
  }
  return CDialog::OnCommand(wParam, lParam);  // IDCANCEL -> OnCancel
}

void CDlgParaSet::OnPickEntities() {
  MouseStatus(kMessageFromWindow, 0, kWindowPicks);
}

void CDlgParaSet::ExitStep() {
  UpdateData(TRUE);
}

void CDlgParaSet::OnCancel() {
  ExitStep();
  MouseStatus(kMessageFromWindow, 0, kWindowLeaves);
  DestroyWindow();  // PostNcDestroy deletes this object
}

void CDlgParaSet::PostNcDestroy() {
  CDialog::PostNcDestroy();
  delete this;
}
