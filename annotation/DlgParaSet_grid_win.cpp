// CDlgParaSet, the grid's notifications handed to the model, and the window as the model's sink:
// message boxes, the position window and the colour dialog, the preview and the caption, the
// messages for the command.
#include "AfxMessageBox.h"
#include "ColorDialog.h"
#include "DlgParaSet.h"
#include "SignRelaPosDlg.h"

namespace {

// The caption of control 3003 is the shown kind's name followed by this suffix.
const char kCaptionSuffix[] = " 的标注:";

}  // namespace

BOOL CDlgParaSet::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
  if (pHeader->idFrom == IDC_GRID && pHeader->code == NM_CLICK) {
    *pResult = OnGridClick(reinterpret_cast<const NMITEMACTIVATE*>(lParam));
    return TRUE;
  }
  if (pHeader->idFrom == IDC_GRID && pHeader->code == LVN_SETDISPINFOA) {
    OnGridDispInfo(reinterpret_cast<const NMLVDISPINFOA*>(lParam));
    *pResult = 0;
    return TRUE;
  }
  return CDialog::OnNotify(wParam, lParam, pResult);
}

LRESULT CDlgParaSet::OnGridClick(const NMITEMACTIVATE* pInfo) {
  m_pModel->OnGridClick(SelectedKind(), pInfo->iItem, pInfo->iSubItem);
  return 0;
}

void CDlgParaSet::OnGridDispInfo(const NMLVDISPINFOA* pInfo) {
  switch (pInfo->item.mask) {
    case GridCellChanged:
      return OnGridCellChanged(pInfo);
    case GridRowInserted:
      return OnGridRowInserted(pInfo);
    case GridRowDeleted:
      return OnGridRowDeleted(pInfo);
    case GridRowMoved:
      return OnGridRowMoved(pInfo);
  }
}

void CDlgParaSet::OnGridCellChanged(const NMLVDISPINFOA* pInfo) {
  UpdateData(TRUE);
  m_pModel->OnCellChanged(SelectedKind(), pInfo->item.iItem, pInfo->item.iSubItem,
                          pInfo->item.pszText ? pInfo->item.pszText : "");
}

void CDlgParaSet::OnGridRowInserted(const NMLVDISPINFOA* pInfo) {
  UpdateData(TRUE);
  m_pModel->OnRowInserted(SelectedKind(), pInfo->item.iItem);
}

void CDlgParaSet::OnGridRowDeleted(const NMLVDISPINFOA* pInfo) {
  UpdateData(TRUE);
  m_pModel->OnRowDeleted(SelectedKind(), pInfo->item.iItem);
}

void CDlgParaSet::OnGridRowMoved(const NMLVDISPINFOA* pInfo) {
  UpdateData(TRUE);
  m_pModel->OnRowMoved(SelectedKind(), pInfo->item.iItem, static_cast<int>(pInfo->item.lParam));
}

// ---- The model's sink -----------------------------------------------------------------------

void CDlgParaSet::ShowMessage(const char* text) {
  fw::AfxMessageBox(m_hWnd, text);
}

bool CDlgParaSet::ChoosePosition(int preset, int& code, std::string& name) {
  CSignRelaPosDlg dlg;  // no owner
  dlg.m_nPosition = preset;
  if (dlg.DoModal() != IDOK) return false;
  code = dlg.m_nPosition;
  name = std::string(dlg.m_strPosition);
  return true;
}

bool CDlgParaSet::ChooseColour(std::int32_t initial, std::int32_t& chosen) {
  CColorDialog dlg(static_cast<COLORREF>(initial));  // no flags, no owner
  if (dlg.DoModal() != IDOK) return false;
  chosen = static_cast<std::int32_t>(dlg.GetColor());
  return true;
}

void CDlgParaSet::RefreshPreview() {
  m_wndPreview.RefreshEntity(m_pPreviewEntity);
}

void CDlgParaSet::ShowKind(const std::string& kind) {
  m_wndPreview.SetCurrentLabel(m_pPreviewEntity, 0);
  m_wndPreview.RefreshEntity(m_pPreviewEntity);
  SetDlgItemText(IDC_GRID_BUTTONBAR, (kind + kCaptionSuffix).c_str());
  RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CDlgParaSet::SendToCommand(int code, int param1, int param2) {
  if (m_pCommand) m_pCommand->Send(code, param1, param2);
}
