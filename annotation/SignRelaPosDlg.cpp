#include "SignRelaPosDlg.h"

#include "DataExchange.h"
#include "LabelPositionChoice.h"
#include "SignRelaPosIds.h"
#include "SymbolLabelConfig.h"

namespace {

// The radio buttons of the group that starts at control nIDC (which has WS_GROUP): every radio
// button after it in template order until the next control that starts a group.  Push buttons,
// group boxes and pictures in between do not count.
template <typename Visit>
void ForEachRadio(HWND hWndFirst, Visit visit) {
  int index = 0;
  for (HWND hWnd = hWndFirst; hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
    if (hWnd != hWndFirst && (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_GROUP)) break;
    if (::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) visit(hWnd, index++);
  }
}

// Radio group <-> index: writing checks the button of that index (none for an index outside the
// group) and clears the others; reading gives the index of the checked button, -1 if none.
void ExchangeRadioGroup(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndFirst = pDX->PrepareCtrl(nIDC);
  if (!hWndFirst) return;
  if (pDX->m_bSaveAndValidate) {
    int checked = -1;
    ForEachRadio(hWndFirst, [&](HWND hWnd, int index) {
      if (checked < 0 && ::SendMessageA(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED) checked = index;
    });
    value = checked;
  } else {
    ForEachRadio(hWndFirst, [&](HWND hWnd, int index) {
      ::SendMessageA(hWnd, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
    });
  }
}

}  // namespace

CSignRelaPosDlg::CSignRelaPosDlg(CWnd* pParent) : CDialog(IDD, pParent), m_nPosition(-1) {}

CSignRelaPosDlg::~CSignRelaPosDlg() = default;

void CSignRelaPosDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  // Opening checks the button of the code; OK reads the checked button (OnOK makes it a code).
  if (pDX->m_bSaveAndValidate) {
    ExchangeRadioGroup(pDX, IDC_POSITION_0, m_nPosition);
  } else {
    int button = vjd::annotation::PositionButtonForCode(m_nPosition);
    ExchangeRadioGroup(pDX, IDC_POSITION_0, button);
  }
}

void CSignRelaPosDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  const vjd::annotation::PositionChoice choice =
      vjd::annotation::PositionChoiceForButton(m_nPosition);
  m_nPosition = choice.code;
  if (choice.code != vjd::annotation::kNoLabelPosition) m_strPosition = choice.name;
  EndDialog(IDOK);
}
