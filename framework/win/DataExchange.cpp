#include "DataExchange.h"

#include <cstdio>

#include "AfxMessageBox.h"
#include "WholeNumber.h"
#include "Wnd.h"

const char kAfxParseIntText[] = "请输入一个整数。";

namespace {

CString WindowText(HWND hWnd) {
  CString text;
  int length = ::GetWindowTextLengthA(hWnd);
  if (length > 0) {
    char* buffer = text.GetBuffer(length);
    buffer[0] = '\0';
    ::GetWindowTextA(hWnd, buffer, length + 1);
    text.ReleaseBuffer();
  }
  return text;
}

}  // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate),
      m_pDlgWnd(pDlgWnd),
      m_bFail(FALSE),
      m_hWndLastControl(nullptr),
      m_bEditLastControl(FALSE) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  m_hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
  m_bEditLastControl = FALSE;
  return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
  HWND hWnd = PrepareCtrl(nIDC);
  m_bEditLastControl = TRUE;
  return hWnd;
}

void CDataExchange::Fail() {
  if (m_hWndLastControl) {
    ::SetFocus(m_hWndLastControl);
    if (m_bEditLastControl) ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
  }
  m_bFail = TRUE;
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (pDX->m_bFail || rControl.m_hWnd) return;
  HWND hWnd = pDX->PrepareCtrl(nIDC);
  if (hWnd) rControl.SubclassWindow(hWnd);
}

void DDX_Check(CDataExchange* pDX, int nIDC, BOOL& value) {
  if (pDX->m_bFail) return;
  HWND hWnd = pDX->PrepareCtrl(nIDC);
  if (!hWnd) return;
  if (pDX->m_bSaveAndValidate) {
    value = static_cast<BOOL>(::SendMessageA(hWnd, BM_GETCHECK, 0, 0));
  } else {
    WPARAM state = value == BST_INDETERMINATE ? BST_INDETERMINATE
                   : value                    ? BST_CHECKED
                                              : BST_UNCHECKED;
    ::SendMessageA(hWnd, BM_SETCHECK, state, 0);
  }
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
  if (pDX->m_bFail) return;
  HWND hWnd = pDX->PrepareEditCtrl(nIDC);
  if (!hWnd) return;
  if (pDX->m_bSaveAndValidate) {
    int parsed = 0;
    if (!ParseWholeNumber(WindowText(hWnd), &parsed)) {
      fw::AfxMessageBox(pDX->m_pDlgWnd->m_hWnd, kAfxParseIntText, MB_OK | MB_ICONEXCLAMATION);
      pDX->Fail();
      return;
    }
    value = parsed;
  } else {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    ::SetWindowTextA(hWnd, text);
  }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  if (pDX->m_bFail) return;
  HWND hWnd = pDX->PrepareEditCtrl(nIDC);
  if (!hWnd) return;
  if (pDX->m_bSaveAndValidate)
    value = WindowText(hWnd);
  else
    ::SetWindowTextA(hWnd, value);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
  if (pDX->m_bFail) return;
  HWND hWnd = pDX->PrepareCtrl(nIDC);
  if (!hWnd) return;
  if (pDX->m_bSaveAndValidate)
    index = static_cast<int>(::SendMessageA(hWnd, CB_GETCURSEL, 0, 0));
  else
    ::SendMessageA(hWnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}
