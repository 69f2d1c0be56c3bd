// CDlgParaSet, the grid's notifications: each read with the symbol list's selection and handed
// to the model.
#include "DlgParaSet.h"

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
  m_pModel->OnRowClicked(SymbolListSelection(), pInfo->iItem, pInfo->iSubItem);
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
  m_pModel->OnCellChanged(SymbolListSelection(), pInfo->item.iItem, pInfo->item.iSubItem,
                          pInfo->item.pszText ? pInfo->item.pszText : "");
}

void CDlgParaSet::OnGridRowInserted(const NMLVDISPINFOA* pInfo) {
  UpdateData(TRUE);
  m_pModel->OnRowInserted(SymbolListSelection(), pInfo->item.iItem);
}

void CDlgParaSet::OnGridRowDeleted(const NMLVDISPINFOA* pInfo) {
  UpdateData(TRUE);
  m_pModel->OnRowDeleted(SymbolListSelection(), pInfo->item.iItem);
}

void CDlgParaSet::OnGridRowMoved(const NMLVDISPINFOA* pInfo) {
  UpdateData(TRUE);
  m_pModel->OnRowMoved(SymbolListSelection(), pInfo->item.iItem,
                       static_cast<int>(pInfo->item.lParam));
}
