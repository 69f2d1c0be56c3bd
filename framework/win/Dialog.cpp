#include "Dialog.h"

#include <commctrl.h>

#include "DataExchange.h"
#include "ModalLoop.h"
#include "ResourceScope.h"
#include "TestSeams.h"

CDialog::CDialog() : CDialog(0, nullptr) {}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate),
      m_pParentWnd(pParentWnd),
      m_bModal(FALSE),
      m_bFilterRetained(FALSE) {}

CDialog::~CDialog() {
  if (m_hWnd) ::DestroyWindow(m_hWnd);  // a modeless window that outlives its object: gone too
  if (m_bFilterRetained) fw::detail::ReleaseMessageFilter();
}

LPCDLGTEMPLATEA CDialog::FindTemplate(UINT nIDTemplate) {
  HINSTANCE hInst = AfxGetResourceHandle();
  HRSRC hRes = ::FindResourceA(hInst, MAKEINTRESOURCEA(nIDTemplate), MAKEINTRESOURCEA(5));
  if (!hRes) return nullptr;
  HGLOBAL hGlobal = ::LoadResource(hInst, hRes);
  return hGlobal ? static_cast<LPCDLGTEMPLATEA>(::LockResource(hGlobal)) : nullptr;
}

void CDialog::RegisterControlClasses() {
  static bool registered = false;
  if (registered) return;
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  registered = ::InitCommonControlsEx(&icc) != FALSE;
}

CDialog::CreateResult CDialog::CreateModeless(UINT nIDTemplate, CWnd* pParentWnd) {
  if (m_hWnd) return CreateResult::NoWindow;
  LPCDLGTEMPLATEA pTemplate = FindTemplate(nIDTemplate);
  if (!pTemplate) return CreateResult::NoWindow;
  RegisterControlClasses();
  m_nIDTemplate = nIDTemplate;
  m_pParentWnd = pParentWnd;
  m_bModal = FALSE;
  if (!m_bFilterRetained) {
    fw::detail::RetainMessageFilter();
    m_bFilterRetained = TRUE;
  }
  HWND hWnd = nullptr, hTaken = nullptr;
  {
    CWindowCreationHook hook(this);
    hWnd = ::CreateDialogIndirectParamA(AfxGetResourceHandle(), pTemplate, HwndOf(pParentWnd),
                                        &AfxDlgProc, 0);
    hTaken = hook.TakenOver();
  }
  if (hWnd && hWnd == hTaken && ::IsWindow(hWnd)) return CreateResult::Created;
  // The window that was taken over had its last message unless it is still in the handle map:
  // then this object may be gone, and nothing of it is touched any more.
  if (hTaken && FromHandlePermanent(hTaken) != this) return CreateResult::WindowGone;
  if (hTaken) ForgetWindow();  // refused before its first message: nothing was routed
  if (hWnd && hWnd != hTaken) ::DestroyWindow(hWnd);  // made without reaching this object
  m_bFilterRetained = FALSE;
  fw::detail::ReleaseMessageFilter();
  return CreateResult::NoWindow;
}

INT_PTR CDialog::DoModal() {
  INT_PTR answered = IDCANCEL;
  if (fw::seam::AnswerModal(*this, answered)) return answered;  // a test answers in its place
  LPCDLGTEMPLATEA pTemplate = FindTemplate(m_nIDTemplate);
  if (!pTemplate || m_hWnd) return -1;
  RegisterControlClasses();
  m_bModal = TRUE;
  INT_PTR result = -1;
  HWND hTaken = nullptr;
  fw::detail::RetainMessageFilter();  // its PreTranslateMessage sees the loop's messages first
  {
    CModalLoop loop;
    CWindowCreationHook hook(this);
    result = ::DialogBoxIndirectParamA(AfxGetResourceHandle(), pTemplate, HwndOf(m_pParentWnd),
                                       &AfxDlgProc, 0);
    hTaken = hook.TakenOver();
  }
  fw::detail::ReleaseMessageFilter();
  if (hTaken && FromHandlePermanent(hTaken) == this) ForgetWindow();  // refused before a message
  m_bModal = FALSE;
  return result;
}

void CDialog::EndDialog(int nResult) {
  if (m_hWnd) ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
  if (!m_hWnd) return FALSE;
  CDataExchange dx(this, bSaveAndValidate);
  BOOL bWasLocked = m_bLockNotify;
  m_bLockNotify = TRUE;
  DoDataExchange(&dx);
  m_bLockNotify = bWasLocked;
  return !dx.m_bFail;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;  // the dialog manager sets the focus to the first control
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST || !m_hWnd) return FALSE;
  if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)) return FALSE;
  return ::IsDialogMessageA(m_hWnd, pMsg);
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() {
  EndDialog(IDCANCEL);
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case WM_NCDESTROY:
      if (m_bFilterRetained) {
        m_bFilterRetained = FALSE;
        fw::detail::ReleaseMessageFilter();
      }
      break;  // on to the default handling
  }
  return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) != BN_CLICKED) return CWnd::OnCommand(wParam, lParam);
  switch (LOWORD(wParam)) {
    case IDOK:
      OnOK();
      return TRUE;
    case IDCANCEL:
      OnCancel();
      return TRUE;  // this object may be gone now
  }
  return CWnd::OnCommand(wParam, lParam);
}

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return FALSE;
  auto* pDlg = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
  if (!pDlg) return TRUE;
  try {
    return pDlg->OnInitDialog();
  } catch (...) {
    return TRUE;  // nothing crosses the dialog manager
  }
}
