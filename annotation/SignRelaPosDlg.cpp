#include "SignRelaPosDlg.h"

#include <vector>

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

// The group's radio buttons, in group order.
std::vector<HWND> RadioGroup(HWND hWndFirst) {
  std::vector<HWND> buttons;
  ForEachRadio(hWndFirst, [&](HWND hWnd, int) { buttons.push_back(hWnd); });
  return buttons;
}

int IndexOf(const std::vector<HWND>& buttons, HWND hWnd) {
  for (size_t i = 0; i < buttons.size(); ++i)
    if (buttons[i] == hWnd) return static_cast<int>(i);
  return -1;
}

int CheckedIndex(const std::vector<HWND>& buttons) {
  for (size_t i = 0; i < buttons.size(); ++i)
    if (::SendMessageA(buttons[i], BM_GETCHECK, 0, 0) == BST_CHECKED) return static_cast<int>(i);
  return -1;
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

BOOL CSignRelaPosDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  const std::vector<HWND> buttons = RadioGroup(::GetDlgItem(m_hWnd, IDC_POSITION_0));
  const int checked = CheckedIndex(buttons);
  if (checked < 0) return TRUE;  // the dialog manager focuses "确定"
  ::SetFocus(buttons[checked]);
  return FALSE;
}

BOOL CSignRelaPosDlg::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam >= VK_LEFT && pMsg->wParam <= VK_DOWN && m_hWnd &&
      (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd))) {
    MoveAmongButtons(static_cast<UINT>(pMsg->wParam));
    return TRUE;
  }
  return CDialog::PreTranslateMessage(pMsg);
}

void CSignRelaPosDlg::MoveAmongButtons(UINT key) {
  const std::vector<HWND> buttons = RadioGroup(::GetDlgItem(m_hWnd, IDC_POSITION_0));
  std::vector<vjd::annotation::PositionButtonPlace> places;
  for (HWND hWnd : buttons) {
    RECT r = {};
    ::GetWindowRect(hWnd, &r);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
    places.push_back({r.left, r.top, r.bottom - r.top});
  }
  // From the focused button; with the focus elsewhere ("确定", "取消"), from the checked one.
  int from = IndexOf(buttons, ::GetFocus());
  if (from < 0) from = CheckedIndex(buttons);
  const int to = vjd::annotation::PositionButtonAfterArrow(
      places, from, static_cast<vjd::annotation::PositionArrow>(key - VK_LEFT));
  if (to < 0) return;
  for (size_t i = 0; i < buttons.size(); ++i)
    ::SendMessageA(buttons[i], BM_SETCHECK, static_cast<int>(i) == to ? BST_CHECKED : BST_UNCHECKED,
                   0);
  ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(buttons[to]), TRUE);
}

void CSignRelaPosDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  const vjd::annotation::PositionChoice choice =
      vjd::annotation::PositionChoiceForButton(m_nPosition);
  m_nPosition = choice.code;
  if (choice.code != vjd::annotation::kNoLabelPosition) m_strPosition = choice.name;
  EndDialog(IDOK);
}
