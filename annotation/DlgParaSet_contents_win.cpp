// CDlgParaSet, the window's contents: opening (grid, preview, catalogue, symbols, display
// switches), the category and symbol changes, the check boxes and the forwarding of mouse
// messages to the preview.  The grid's loading, storing and notifications are in
// DlgParaSet_grid_win.cpp; the frame is in DlgParaSet.cpp.
#include <string>

#include "AfxMessageBox.h"
#include "DlgParaSet.h"
#include "GridColumnRules.h"
#include "HostDirectory.h"
#include "KernelPreviewEntity.h"
#include "PoMapDriver.h"
#include "PreviewLabels.h"
#include "SymbolCatalog.h"
#include "SymbolLabelConfig.h"
#include "VellJDLabels.h"

namespace {

// The caption of control 3003 is the symbol name followed by this suffix (8 bytes in GBK).
const char kCaptionSuffix[] = " 的标注:";
constexpr int kCaptionSuffixBytes = sizeof kCaptionSuffix - 1;
static_assert(kCaptionSuffixBytes == 8, "the caption suffix is 8 bytes in GBK");

struct GridColumn {
  int nFormat;
  int nWidth;
};
// The ten columns of the grid, in the order of LabelColumn.
const GridColumn kColumns[vjd::annotation::kLabelColumnCount] = {
    {LVCFMT_LEFT, 40},   {LVCFMT_CENTER, 65}, {LVCFMT_CENTER, 65},  {LVCFMT_LEFT, 65},
    {LVCFMT_CENTER, 60}, {LVCFMT_CENTER, 60}, {LVCFMT_CENTER, 100}, {LVCFMT_CENTER, 40},
    {LVCFMT_CENTER, 55}, {LVCFMT_CENTER, 55}};

}  // namespace

void CDlgParaSet::ExchangeContents(CDataExchange* pDX) {
  DDX_Control(pDX, IDC_GRID, m_grid);
  DDX_Control(pDX, IDC_PREVIEW, m_wndPreview);
  DDX_Control(pDX, IDC_CB_SYMBOL, m_cbSymbol);
  DDX_Control(pDX, IDC_CB_CATEGORY, m_cbCategory);
  DDX_Check(pDX, IDC_CHK_SHOW_MOTOR_NAME, m_bShowMotorName);
  DDX_Check(pDX, IDC_CHK_SHOW_MOTOR_MODEL, m_bShowMotorModel);
  DDX_Check(pDX, IDC_CHK_CONFIG_MOTOR, m_bConfigMotor);
  DDX_Check(pDX, IDC_CHK_SHOW_CABLE_NAME, m_bShowCableName);
  DDX_Check(pDX, IDC_CHK_SHOW_CABLE_LABEL, m_bShowCableLabel);
  DDX_Check(pDX, IDC_CHK_ONE_LINE, m_bOneLine);
  DDX_Check(pDX, IDC_CHK_CONFIG_CABLE, m_bConfigCable);
  DDX_Check(pDX, IDC_CHK_SHOW_SHORT_NAME, m_bShowShortName);
  DDX_Check(pDX, IDC_CHK_CONFIG_SHORT, m_bConfigShort);
  DDX_Check(pDX, IDC_CHK_SHOW_NAME_ON_DRAW, m_bShowNameOnDraw);
  DDX_Check(pDX, IDC_CHK_SHOW_SHORT_CURRENT, m_bShowShortCurrent);
}

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
  m_grid.SetColumnEditor(kColumnVisible, EditorComboBox);
  m_grid.SetColumnEditor(kColumnAngleFollows, EditorComboBox);
  // An empty text ends one column's option list: columns 2 and 6 offer "是" and "否".
  CStringArray options;
  for (const char* option : {"", "", "是", "否", "", "", "", "", "是", "否"}) options.Add(option);
  m_grid.SetColumnOptions(options);
}

BOOL CDlgParaSet::InitContents() {
  InitGridColumns();
  m_wndPreview.InitPreview();
  m_pPreviewEntity = ::CreateEntity(QK_KIND_DEVICE_SYMBOL);
  if (!m_pPreviewEntity) return FALSE;
  m_wndPreview.SetEntity(m_pPreviewEntity);
  LoadCatalog();
  FillSymbolList();
  ReadDisplaySettings();
  return TRUE;
}

void CDlgParaSet::ReadDisplaySettings() {
  m_bShowMotorModel = ::GetShowMotorModel();
  m_bShowMotorName = ::GetShowMotorName();
  m_bShowCableLabel = ::GetShowCableLabel();
  m_bShowCableName = ::GetShowCableName();
  m_bOneLine = ::GetOneLineCableLabel();
  m_bShowShortName = ::GetShowShortPointName();
  m_bShowShortCurrent = ::GetShowShortCurrent();
  m_bShowNameOnDraw = ::GetShowNameOnDraw();
  m_bOldShowMotorName = m_bShowMotorName;
  m_bOldShowMotorModel = m_bShowMotorModel;
  m_bOldShowCableLabel = m_bShowCableLabel;
  m_bOldShowCableName = m_bShowCableName;
  m_bOldOneLine = m_bOneLine;
}

void CDlgParaSet::StartContents() {
  m_bConfigMotor = m_bConfigCable = m_bConfigShort = FALSE;
  UpdateData(FALSE);
  OnConfigMotor();
  OnConfigCable();
  OnConfigShort();
  m_bDirty = FALSE;
}

// ---- Catalogue and symbol list ----------------------------------------------------------------

void CDlgParaSet::LoadCatalog() {
  m_cbCategory.ResetContent();
  m_arrCatalog.RemoveAll();
  SymbolCatalog catalog;
  const std::string path = SymbolCatalog::PathUnder(std::string(m_strHostDir));
  switch (catalog.LoadFile(path)) {
    case SymbolCatalog::Loaded:
      break;
    case SymbolCatalog::Missing:
      fw::AfxMessageBox(m_hWnd, "此符号库没有分类");
      break;
    case SymbolCatalog::Unreadable:
      fw::AfxMessageBox(m_hWnd, "符号库分类文件无法打开，按没有分类显示全部符号");
      break;
  }
  for (const std::string& category : catalog.Categories()) {
    m_cbCategory.AddString(category.c_str());
  }
  m_arrCatalog.SetSize(0, static_cast<int>(catalog.Entries().size()));
  for (const CatalogEntry& entry : catalog.Entries()) m_arrCatalog.Add(entry);
  m_cbCategory.SetCurSel(0);
  m_cbCategory.GetLBText(0, m_strCategory);
}

void CDlgParaSet::FillSymbolList() {
  m_cbSymbol.ResetContent();
  m_arrComboSymbols.RemoveAll();
  std::vector<SymbolListItem> items =
      SymbolCatalog::SymbolsOf(m_arrCatalog.GetData(), m_arrCatalog.GetSize(),
                               std::string(m_strCategory), KernelSymbolLibrary());
  m_arrComboSymbols.SetSize(0, static_cast<int>(items.size()));
  for (const SymbolListItem& item : items) {
    m_cbSymbol.AddString(item.strName.c_str());
    m_arrComboSymbols.Add(item.nSymbol);
  }
  if (m_cbSymbol.GetCount() > 0) {
    m_cbSymbol.SetCurSel(0);
    OnSymbolChanged();
  }
}

void CDlgParaSet::PrepareSymbolEntity(int nSymbol) {
  KernelPreviewEntity entity(m_pPreviewEntity);
  PreviewLabels(entity, GetMapScale()).PrepareSymbol(KernelSymbolLibrary(), nSymbol);
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
  PrepareSymbolEntity(m_arrComboSymbols[sel]);

  CString caption;
  GetDlgItemText(IDC_GRID_BUTTONBAR, caption);
  m_strPrevSymbol = caption.Left(caption.GetLength() - kCaptionSuffixBytes);
  m_cbSymbol.GetLBText(sel, m_strCurSymbol);
  UpdateData(FALSE);

  // The grid still holds the previous symbol's rows: stored when they changed.  This also holds
  // when the shown symbol is chosen again, so its edits are stored before the grid is read back.
  if (!m_strPrevSymbol.IsEmpty()) SaveGridConfig(m_strPrevSymbol);
  LoadGridConfig(m_strCurSymbol, m_pPreviewEntity);
  m_wndPreview.SetCurrentLabel(m_pPreviewEntity, 0);
  m_wndPreview.RefreshEntity(m_pPreviewEntity);
  SetDlgItemText(IDC_GRID_BUTTONBAR, m_strCurSymbol + kCaptionSuffix);
  RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  m_bDirty = FALSE;
}

// ---- Check boxes --------------------------------------------------------------------------

void CDlgParaSet::EnableControl(int nID, BOOL bEnable) {
  if (CWnd* pControl = GetDlgItem(nID)) pControl->EnableWindow(bEnable);
}

void CDlgParaSet::OnConfigMotor() {
  UpdateData(TRUE);
  EnableControl(IDC_CHK_SHOW_MOTOR_MODEL, m_bConfigMotor);
  EnableControl(IDC_CHK_SHOW_MOTOR_NAME, m_bConfigMotor);
}

void CDlgParaSet::OnConfigCable() {
  UpdateData(TRUE);
  EnableControl(IDC_CHK_SHOW_CABLE_LABEL, m_bConfigCable);
  EnableControl(IDC_CHK_ONE_LINE, m_bConfigCable);
  EnableControl(IDC_CHK_SHOW_CABLE_NAME, m_bConfigCable);
}

void CDlgParaSet::OnConfigShort() {
  UpdateData(TRUE);
  EnableControl(IDC_CHK_SHOW_SHORT_NAME, m_bConfigShort);  // 3017 stays enabled
}

void CDlgParaSet::OnOneLine() {
  UpdateData(TRUE);
  EnableControl(IDC_CHK_SHOW_CABLE_NAME, m_bOneLine);
}

void CDlgParaSet::OnShowShortCurrent() {
  UpdateData(TRUE);
  if (!m_bShowShortCurrent) {
    m_bShowShortName = TRUE;  // at least one of the two short-circuit switches stays on
    UpdateData(FALSE);
  }
}

void CDlgParaSet::OnShowNameOnDraw() {
  UpdateData(TRUE);
  ::SetShowNameOnDraw(m_bShowNameOnDraw);
}

BOOL CDlgParaSet::OnContentsCommand(WPARAM wParam, LPARAM) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  if (code == CBN_SELCHANGE) {
    switch (id) {
      case IDC_CB_SYMBOL:
        OnSymbolChanged();
        return TRUE;
      case IDC_CB_CATEGORY:
        OnCategoryChanged();
        return TRUE;
    }
    return FALSE;
  }
  if (code != BN_CLICKED) return FALSE;
  switch (id) {
    case IDC_CHK_CONFIG_MOTOR:
      OnConfigMotor();
      return TRUE;
    case IDC_CHK_CONFIG_CABLE:
      OnConfigCable();
      return TRUE;
    case IDC_CHK_CONFIG_SHORT:
      OnConfigShort();
      return TRUE;
    case IDC_CHK_ONE_LINE:
      OnOneLine();
      return TRUE;
    case IDC_CHK_SHOW_SHORT_CURRENT:
      OnShowShortCurrent();
      return TRUE;
    case IDC_CHK_SHOW_NAME_ON_DRAW:
      OnShowNameOnDraw();
      return TRUE;
  }
  return FALSE;
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

double CDlgParaSet::GetMapScale() const {
  if (!m_pMap) return 1.0;
  return vjd::host::CPoMapDriver(m_pMap).Scale();
}
