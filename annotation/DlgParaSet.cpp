// CDlgParaSet, the frame: construction, what the command hands over, the opening, the command
// table, the buttons and leaving.  The contents (lists, check boxes) are in
// DlgParaSet_contents_win.cpp, the grid's notifications in DlgParaSet_grid_win.cpp.
#include "DlgParaSet.h"

#include <cstdio>

#include "DebugOutputLog_win.h"
#include "HostDirectory.h"
#include "HostLabelAccess_win.h"
#include "LabelConfigFile.h"

namespace {

// Makes `target` the first `count` elements of `source`.
void ReplaceList(CArray<int, int>& target, const int* source, int count) {
  target.SetSize(count);
  for (int i = 0; i < count; ++i) target.SetAt(i, source[i]);
}

}  // namespace

CDlgParaSet::CDlgParaSet(CWnd* pParent)
    : CDialog(IDD_PARASET, pParent),
      m_pPreviewEntity(0),
      m_pMap(nullptr),
      m_strHostDir(vjd::annotation::HostExecutableDirectory()),
      m_nSelCount(0),
      m_previewEntity(0),
      m_gridView(m_grid),
      m_sink(*this, m_wndPreview, m_pPreviewEntity) {}

CDlgParaSet::~CDlgParaSet() = default;

void CDlgParaSet::SetAllSymbols(const int* pHandles, const int* pIds, int nCount) {
  ReplaceList(m_arrAllHandles, pHandles, nCount);
  ReplaceList(m_arrAllIds, pIds, nCount);
}

void CDlgParaSet::SetSelectedSymbols(const int* pHandles, const int* pIds, int nCount) {
  ReplaceList(m_arrSelHandles, pHandles, nCount);
  ReplaceList(m_arrSelIds, pIds, nCount);
}

void CDlgParaSet::ShowPickResult(int nCount, const int* pHandles, const int* pIds) {
  m_nSelCount = nCount;
  char text[16];
  std::snprintf(text, sizeof text, "%d", nCount);
  SetDlgItemText(IDC_EDIT_SEL_COUNT, text);
  SetSelectedSymbols(pHandles, pIds, nCount > 0 && pHandles && pIds ? nCount : 0);
}

void CDlgParaSet::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_GRID, m_grid);
  DDX_Control(pDX, IDC_PREVIEW, m_wndPreview);
  DDX_Control(pDX, IDC_CB_SYMBOL, m_cbSymbol);
  DDX_Control(pDX, IDC_CB_CATEGORY, m_cbCategory);
  ExchangeOptionBoxes(pDX);
  DDX_Text(pDX, IDC_EDIT_SEL_COUNT, m_nSelCount);
}

vjd::annotation::SelectedKind CDlgParaSet::SymbolListSelection() const {
  const int sel = m_cbSymbol.m_hWnd ? m_cbSymbol.GetCurSel() : -1;
  if (sel < 0) return std::nullopt;
  CString text;
  m_cbSymbol.GetLBText(sel, text);
  return std::string(static_cast<const char*>(text), static_cast<size_t>(text.GetLength()));
}

BOOL CDlgParaSet::OnInitDialog() {
  m_pHost = std::make_unique<vjd::annotation::CHostLabelAccess>(m_pMap);
  m_pModel = std::make_unique<vjd::annotation::ParaSetModel>(
      *m_pHost, m_previewEntity, m_symbols,
      vjd::annotation::LabelConfigFile(m_strHostDir, nullptr, &CDebugOutputLog::Instance()),
      m_gridView, m_sink);
  CDialog::OnInitDialog();  // binds the controls
  InitGridColumns();
  m_wndPreview.InitPreview();
  m_pPreviewEntity = ::CreateEntity(QK_KIND_DEVICE_SYMBOL);
  // No preview entity: the opening stops after the grid (as if the focus had been set).
  if (!m_pPreviewEntity) return FALSE;
  m_previewEntity = KernelPreviewEntity(m_pPreviewEntity);
  m_wndPreview.SetEntity(m_pPreviewEntity);
  LoadCatalog();
  FillSymbolList();  // selects the first symbol, which loads its configuration
  ReadDisplaySettings();
  const vjd::annotation::BoxReaction opening = m_pModel->Open(m_options);
  if (m_arrSelHandles.GetSize() > 0) m_nSelCount = m_arrSelHandles.GetSize();
  ShowBoxReaction(opening);  // shows the boxes; the three groups start disabled
  return TRUE;               // the focus was not set here
}

BOOL CDlgParaSet::PreTranslateMessage(MSG* pMsg) {
  if (ForwardToPreview(pMsg)) return TRUE;
  return CDialog::PreTranslateMessage(pMsg);
}

BOOL CDlgParaSet::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  if (HIWORD(wParam) == CBN_SELCHANGE && id == IDC_CB_SYMBOL) {
    OnSymbolChanged();
    return TRUE;
  }
  if (HIWORD(wParam) == CBN_SELCHANGE && id == IDC_CB_CATEGORY) {
    OnCategoryChanged();
    return TRUE;
  }
  if (HIWORD(wParam) == CBN_DROPDOWN && (id == IDC_CB_CATEGORY || id == IDC_CB_SYMBOL)) {
    FitDroppedWidth(id == IDC_CB_CATEGORY ? m_cbCategory : m_cbSymbol);
    return TRUE;
  }
  if (HIWORD(wParam) != BN_CLICKED) return CDialog::OnCommand(wParam, lParam);
  switch (id) {
    case IDC_CHK_CONFIG_MOTOR:
    case IDC_CHK_CONFIG_CABLE:
    case IDC_CHK_CONFIG_SHORT:
    case IDC_CHK_ONE_LINE:
    case IDC_CHK_SHOW_SHORT_CURRENT:
    case IDC_CHK_SHOW_NAME_ON_DRAW:
      OnCheckBox(id);
      return TRUE;
    case IDC_BTN_APPLY:
      ApplyOptions();
      return TRUE;
    case IDC_BTN_UPDATE_ALL:
      UpdateData(TRUE);
      m_pModel->OnPushButton(SymbolListSelection(), m_arrAllHandles.GetSize(),
                             m_arrAllHandles.GetData(), m_arrAllIds.GetData());
      return TRUE;
    case IDC_BTN_UPDATE_SELECTED:
      UpdateData(TRUE);
      m_pModel->OnPushButton(SymbolListSelection(), m_arrSelHandles.GetSize(),
                             m_arrSelHandles.GetData(), m_arrSelIds.GetData());
      return TRUE;
    case IDC_BTN_PICK:
      m_pModel->OnPickEntities();
      return TRUE;
  }
  return CDialog::OnCommand(wParam, lParam);  // IDCANCEL -> OnCancel
}

void CDlgParaSet::ApplyOptions() {
  if (!m_pModel) return;
  UpdateData(TRUE);
  m_pModel->Apply(m_options, m_arrAllHandles.GetData(), m_arrAllIds.GetData(),
                  m_arrAllHandles.GetSize());
}

void CDlgParaSet::OnCancel() {
  // Asked to leave while a message box or a choice of the window is open (the window takes no
  // input then, so not by the user): that one ends first, and the window leaves afterwards.
  if (m_sink.IsModalOpen()) {
    m_sink.LeaveAfterModal();
    return;
  }
  // The close box and Alt+F4 take no focus from an edit still open in the grid, as "退出" does:
  // it ends first, so that what was typed is stored with the rest.
  if (m_grid.m_hWnd && m_grid.GetActiveEditor()) m_grid.SetFocus();
  UpdateData(TRUE);
  // The grid is stored, then the command ends; a grid that could not be stored keeps the window.
  if (!m_pModel->OnLeave(SymbolListSelection())) return;
  DestroyWindow();  // PostNcDestroy deletes this object
}

void CDlgParaSet::PostNcDestroy() {
  CDialog::PostNcDestroy();
  delete this;
}
