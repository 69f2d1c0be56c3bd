// CDlgParaSet, the window's contents: the grid's columns, the catalogue and the symbol list, the
// symbol and category changes, the display switches and check boxes, and the mouse messages
// forwarded to the preview.
#include <algorithm>
#include <string>
#include <vector>

#include "DlgParaSet.h"
#include "VellJDLabels.h"

namespace {

struct GridColumn {
  int nFormat;
  int nWidth;
};
// The ten columns of the grid, in the order of LabelColumn.
const GridColumn kColumns[vjd::annotation::kLabelColumnCount] = {
    {LVCFMT_LEFT, 40},   {LVCFMT_CENTER, 65}, {LVCFMT_CENTER, 65},  {LVCFMT_LEFT, 65},
    {LVCFMT_CENTER, 60}, {LVCFMT_CENTER, 60}, {LVCFMT_CENTER, 100}, {LVCFMT_CENTER, 40},
    {LVCFMT_CENTER, 55}, {LVCFMT_CENTER, 55}};

struct OptionBoxControl {
  int nID;
  vjd::annotation::OptionBox box;
};
// The eleven check boxes, in the order the window exchanges them.
using Box = vjd::annotation::OptionBox;
const OptionBoxControl kOptionBoxes[] = {{IDC_CHK_SHOW_MOTOR_NAME, Box::kShowMotorName},
                                         {IDC_CHK_SHOW_MOTOR_MODEL, Box::kShowMotorModel},
                                         {IDC_CHK_CONFIG_MOTOR, Box::kConfigMotor},
                                         {IDC_CHK_SHOW_CABLE_NAME, Box::kShowCableName},
                                         {IDC_CHK_SHOW_CABLE_LABEL, Box::kShowCableLabel},
                                         {IDC_CHK_ONE_LINE, Box::kOneLine},
                                         {IDC_CHK_CONFIG_CABLE, Box::kConfigCable},
                                         {IDC_CHK_SHOW_SHORT_NAME, Box::kShowShortName},
                                         {IDC_CHK_CONFIG_SHORT, Box::kConfigShort},
                                         {IDC_CHK_SHOW_NAME_ON_DRAW, Box::kShowNameOnDraw},
                                         {IDC_CHK_SHOW_SHORT_CURRENT, Box::kShowShortCurrent}};

}  // namespace

void CDlgParaSet::InitGridColumns() {
  using namespace vjd::annotation;
  m_grid.InitGrid();
  m_wndButtonBar.SubclassDlgItem(IDC_GRID_BUTTONBAR, this);
  m_wndButtonBar.SetGrid(&m_grid);
  for (int c = 0; c < kLabelColumnCount; ++c) {
    m_grid.InsertColumn(c, LabelColumnHeading(c), kColumns[c].nFormat, kColumns[c].nWidth);
  }
  m_grid.SetReadOnlyColumnCount(1);
  for (int c : {kColumnNumber, kColumnPosition, kColumnForeColor, kColumnBackColor}) {
    m_grid.SetColumnReadOnly(c, TRUE);
  }
  // The position window and the colour dialog choose these: Enter, F2 and Space open them too.
  for (int c : {kColumnPosition, kColumnForeColor, kColumnBackColor}) {
    m_grid.SetColumnChoice(c, TRUE);
  }
  m_grid.SetColumnEditor(kColumnVisible, EditorComboBox);
  m_grid.SetColumnEditor(kColumnAngleFollows, EditorComboBox);
  // An empty text ends one column's option list: columns 2 and 6 offer "是" and "否".
  CStringArray options;
  for (const char* option : {"", "", "是", "否", "", "", "", "", "是", "否"}) options.Add(option);
  m_grid.SetColumnOptions(options);
}

void CDlgParaSet::ReadDisplaySettings() {
  m_options.bShowMotorModel = ::GetShowMotorModel();
  m_options.bShowMotorName = ::GetShowMotorName();
  m_options.bShowCableLabel = ::GetShowCableLabel();
  m_options.bShowCableName = ::GetShowCableName();
  m_options.bOneLine = ::GetOneLineCableLabel();
  m_options.bShowShortName = ::GetShowShortPointName();
  m_options.bShowShortCurrent = ::GetShowShortCurrent();
  m_options.bShowNameOnDraw = ::GetShowNameOnDraw();
}

// ---- Catalogue and symbol list ----------------------------------------------------------------

// Measured as the list drops, not as it is filled: a catalogue of thousands of categories costs
// the opening nothing.  The list's margins and its scroll bar are added; the list is never
// narrower than the box, nor wider than the screen.
void CDlgParaSet::FitDroppedWidth(CComboBox& box) {
  HDC hDC = ::GetDC(box.m_hWnd);
  if (!hDC) return;
  HGDIOBJ hFont = reinterpret_cast<HGDIOBJ>(box.SendMessage(WM_GETFONT));
  HGDIOBJ hOld = hFont ? ::SelectObject(hDC, hFont) : nullptr;
  int widest = 0;
  CString text;
  for (int i = 0; i < box.GetCount(); ++i) {
    box.GetLBText(i, text);
    SIZE size = {0, 0};
    if (::GetTextExtentPoint32A(hDC, text, text.GetLength(), &size)) {
      widest = std::max(widest, static_cast<int>(size.cx));
    }
  }
  if (hOld) ::SelectObject(hDC, hOld);
  ::ReleaseDC(box.m_hWnd, hDC);
  const int margins = 4 * ::GetSystemMetrics(SM_CXEDGE) + ::GetSystemMetrics(SM_CXVSCROLL);
  RECT rc;
  ::GetWindowRect(box.m_hWnd, &rc);
  const int width = std::max(static_cast<int>(rc.right - rc.left), widest + margins);
  box.SetDroppedWidth(static_cast<UINT>(std::min(width, ::GetSystemMetrics(SM_CXSCREEN))));
}

void CDlgParaSet::LoadCatalog() {
  m_cbCategory.ResetContent();
  const std::string path = SymbolCatalog::PathUnder(std::string(m_strHostDir));
  for (const std::string& category : m_pModel->ReadCatalog(path)) {
    m_cbCategory.AddString(category.c_str());
  }
  m_cbCategory.SetCurSel(0);
  m_cbCategory.GetLBText(0, m_strCategory);
}

void CDlgParaSet::ListSymbols() {
  m_cbSymbol.ResetContent();
  m_arrComboSymbols.RemoveAll();
  std::vector<SymbolListItem> items = m_pModel->SymbolsOf(std::string(m_strCategory));
  m_arrComboSymbols.SetSize(0, static_cast<int>(items.size()));
  for (const SymbolListItem& item : items) {
    m_cbSymbol.AddString(item.strName.c_str());
    m_arrComboSymbols.Add(item.nSymbol);
  }
}

void CDlgParaSet::FillSymbolList() {
  ListSymbols();
  if (m_cbSymbol.GetCount() > 0) {
    m_cbSymbol.SetCurSel(0);
    OnSymbolChanged();
  } else if (m_pModel->ChooseNoSymbol()) {
    m_nShownCategory = m_cbCategory.GetCurSel();
    m_nShownSymbol = -1;
  } else {
    PutChoiceBack();
  }
}

void CDlgParaSet::OnCategoryChanged() {
  int sel = m_cbCategory.GetCurSel();
  if (sel < 0) return;
  m_cbCategory.GetLBText(sel, m_strCategory);
  FillSymbolList();
}

void CDlgParaSet::OnSymbolChanged() {
  UpdateData(TRUE);
  const int sel = m_cbSymbol.GetCurSel();
  if (sel < 0 || sel >= m_arrComboSymbols.GetSize()) return;
  CString name;
  m_cbSymbol.GetLBText(sel, name);
  UpdateData(FALSE);
  if (m_pModel->ChooseSymbol(m_arrComboSymbols[sel], std::string(name))) {
    m_nShownCategory = m_cbCategory.GetCurSel();
    m_nShownSymbol = sel;
  } else {
    PutChoiceBack();
  }
}

void CDlgParaSet::PutChoiceBack() {
  if (m_cbCategory.GetCurSel() != m_nShownCategory) {
    m_cbCategory.SetCurSel(m_nShownCategory);
    m_cbCategory.GetLBText(m_nShownCategory, m_strCategory);
    ListSymbols();
  }
  m_cbSymbol.SetCurSel(m_nShownSymbol);
}

// ---- Check boxes --------------------------------------------------------------------------

void CDlgParaSet::ExchangeOptionBoxes(CDataExchange* pDX) {
  for (const OptionBoxControl& control : kOptionBoxes) {
    DDX_Check(pDX, control.nID, m_options.*vjd::annotation::OptionValue(control.box));
  }
}

void CDlgParaSet::OnCheckBox(int nID) {
  UpdateData(TRUE);
  for (const OptionBoxControl& control : kOptionBoxes) {
    if (control.nID == nID) ShowBoxReaction(m_pModel->OnOptionBox(control.box, m_options));
  }
}

void CDlgParaSet::ShowBoxReaction(const vjd::annotation::BoxReaction& reaction) {
  if (reaction.boxesChanged) UpdateData(FALSE);
  for (const vjd::annotation::BoxEnabling& enabling : reaction.enablings) {
    for (const OptionBoxControl& control : kOptionBoxes) {
      CWnd* pControl = control.box == enabling.box ? GetDlgItem(control.nID) : nullptr;
      if (pControl) pControl->EnableWindow(enabling.enabled ? TRUE : FALSE);
    }
  }
}

BOOL CDlgParaSet::ForwardToPreview(MSG* pMsg) {
  if (pMsg->message != WM_RBUTTONDOWN && pMsg->message != WM_MOUSEWHEEL) return FALSE;
  if (!m_hWnd || !m_wndPreview.m_hWnd) return FALSE;
  if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)) return FALSE;
  RECT rc;
  m_wndPreview.GetWindowRect(&rc);
  if (!::PtInRect(&rc, pMsg->pt)) return FALSE;  // the cursor when the message was posted
  m_wndPreview.SendMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
  return TRUE;
}
