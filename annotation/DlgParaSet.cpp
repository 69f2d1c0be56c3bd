#include "DlgParaSet.h"

#include "HostDirectory.h"

CDlgParaSet::CDlgParaSet(CWnd* pParent)
    : CDialog(IDD_PARASET, pParent),
      m_pMap(nullptr),
      m_nSelCount(0),
      m_strHostDir(vjd::annotation::HostExecutableDirectory()),
      m_pPreviewEntity(0),
      m_bOldShowMotorName(FALSE),
      m_bOldShowMotorModel(FALSE),
      m_bOldShowCableName(FALSE),
      m_bOldShowCableLabel(FALSE),
      m_bOldOneLine(FALSE),
      m_bShowMotorName(FALSE),
      m_bShowMotorModel(FALSE),
      m_bConfigMotor(FALSE),
      m_bShowCableName(FALSE),
      m_bShowCableLabel(FALSE),
      m_bOneLine(FALSE),
      m_bConfigCable(FALSE),
      m_bShowShortName(FALSE),
      m_bConfigShort(FALSE),
      m_bShowNameOnDraw(TRUE),
      m_bShowShortCurrent(TRUE),
      m_bDirty(FALSE) {}

CDlgParaSet::~CDlgParaSet() = default;

void CDlgParaSet::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  ExchangeContents(pDX);
  DDX_Text(pDX, IDC_EDIT_SEL_COUNT, m_nSelCount);
}

BOOL CDlgParaSet::OnInitDialog() {
  CDialog::OnInitDialog();  // binds the controls
  // No preview entity: the opening stops after the grid (as if the focus had been set).
  if (!InitContents()) return FALSE;
  if (m_arrSelHandles.GetSize() > 0) m_nSelCount = m_arrSelHandles.GetSize();
  UpdateData(FALSE);
  StartContents();
  return TRUE;  // the focus was not set here
}

BOOL CDlgParaSet::PreTranslateMessage(MSG* pMsg) {
  if (ForwardToPreview(pMsg)) return TRUE;
  return CDialog::PreTranslateMessage(pMsg);
}

BOOL CDlgParaSet::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (OnContentsCommand(wParam, lParam)) return TRUE;
  if (OnApplyCommand(wParam, lParam)) return TRUE;
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
  int sel = m_cbSymbol.m_hWnd ? m_cbSymbol.GetCurSel() : -1;
  if (sel >= 0) {
    CString strSymbol;
    m_cbSymbol.GetLBText(sel, strSymbol);
    SaveGridConfig(strSymbol);
  }
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
