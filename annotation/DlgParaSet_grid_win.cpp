// CDlgParaSet, the grid of the chosen symbol kind kept in step with the preview entity's labels
// and with the configuration file: loading a record or the built-in default, storing the grid,
// and the grid's click and change notifications.
#include <cstdlib>
#include <cstring>

#include "AfxMessageBox.h"
#include "ColorDialog.h"
#include "DlgParaSet.h"
#include "GbkText.h"
#include "KernelPreviewEntity.h"
#include "LabelConfigFile.h"
#include "NumberText.h"
#include "PreviewLabels.h"
#include "SignRelaPosDlg.h"

using namespace vjd::annotation;

namespace {

// What the user is told whenever the configuration file cannot be used.
const char kFileNotFound[] = "文件没找到！";

// What the preview shows of slot i of a record.
PreviewSlot PreviewSlotOf(const SymbolLabelConfig& record, int i) {
  PreviewSlot slot;
  slot.strText = record.szText[i];
  slot.bVisible = record.bVisible[i];
  slot.nPosition = record.nPosition[i];
  slot.bAngleFollows = record.bAngleFollows[i];
  slot.dAngle = record.dAngle[i];
  slot.clrFore = record.clrFore[i];
  slot.clrBack = record.clrBack[i];
  return slot;
}

}  // namespace

LabelConfigFile CDlgParaSet::ConfigFile() const {
  return LabelConfigFile(m_strHostDir);
}

BOOL CDlgParaSet::CheckConfigFile(const FileStatus& status) {
  if (!status.Failed()) return TRUE;
  fw::AfxMessageBox(m_hWnd, kFileNotFound);
  return FALSE;
}

void CDlgParaSet::ReadGrid(const CString& strSymbol, SymbolLabelConfig& record) const {
  InitRecord(record);
  SetSymbolName(record, strSymbol);
  const int rows = m_grid.GetItemCount() < kMaxLabelSlots ? m_grid.GetItemCount() : kMaxLabelSlots;
  record.nLabelCount = rows;
  for (int i = 0; i < rows; ++i) {
    for (int c = kColumnText; c < kLabelColumnCount; ++c) {
      if (c != kColumnPosition) ReadSlotColumnText(record, i, c, m_grid.GetItemText(i, c));
    }
    SetSlotPosition(record, i, static_cast<int>(m_grid.GetItemData(i)));
  }
}

BOOL CDlgParaSet::SaveGridConfig(const CString& strSymbol) {
  if (m_cbSymbol.GetCurSel() < 0 || m_grid.GetItemCount() == 0 || !m_bDirty) return TRUE;
  SymbolLabelConfig record;
  ReadGrid(strSymbol, record);
  return CheckConfigFile(ConfigFile().StoreRecord(record));
}

void CDlgParaSet::ShowSlotRow(int i, const SymbolLabelConfig& record, PreviewLabels& labels) {
  m_grid.InsertItem(i, SlotColumnText(record, i, kColumnNumber));
  for (int c = kColumnText; c < kLabelColumnCount; ++c) {
    m_grid.SetItemText(i, c, SlotColumnText(record, i, c));
  }
  m_grid.SetItemData(i, static_cast<DWORD_PTR>(static_cast<unsigned>(record.nPosition[i])));
  labels.ShowSlot(i, PreviewSlotOf(record, i));
}

void CDlgParaSet::LoadGridConfig(const CString& strSymbol, QkEntity entity) {
  SymbolLabelConfig record;
  InitRecord(record);
  const FileStatus found = ConfigFile().FindRecord(strSymbol, record);
  if (!CheckConfigFile(found)) return;  // grid and preview keep their contents
  m_grid.DeleteAllItems();
  KernelPreviewEntity target(entity);
  PreviewLabels labels(target, GetMapScale());
  int count = 0;
  if (found.ok()) {
    count = LabelCount(record);
  } else {
    labels.SetCount(0);
    count = MakeDefaultConfig(strSymbol, record);
    if (count == 0) return;  // a kind without default: an empty grid
  }
  labels.SetCount(count);
  for (int i = 0; i < count; ++i) ShowSlotRow(i, record, labels);
}

LRESULT CDlgParaSet::OnGridClick(const NMITEMACTIVATE* pInfo) {
  const int row = pInfo->iItem;
  const int column = pInfo->iSubItem;
  if (m_cbSymbol.GetCurSel() < 0) return 0;
  if (row < 0 || row >= m_grid.GetItemCount()) return 0;
  m_bDirty = TRUE;  // any click on a row counts as a change
  KernelPreviewEntity target(m_pPreviewEntity);
  if (column == kColumnPosition) {
    CSignRelaPosDlg dlg;  // no owner
    dlg.m_nPosition = static_cast<int>(m_grid.GetItemData(row));
    if (dlg.DoModal() != IDOK) return 0;
    m_grid.SetItemData(row, static_cast<DWORD_PTR>(static_cast<unsigned>(dlg.m_nPosition)));
    m_grid.SetItemText(row, kColumnPosition, dlg.m_strPosition);
    PreviewLabels(target, GetMapScale()).PlaceChosen(row, dlg.m_nPosition);
    m_wndPreview.RefreshEntity(m_pPreviewEntity);
  } else if (column == kColumnForeColor || column == kColumnBackColor) {
    CColorDialog dlg(static_cast<COLORREF>(ParseColorText(m_grid.GetItemText(row, column))));
    if (dlg.DoModal() != IDOK) return 0;
    const COLORREF chosen = dlg.GetColor();
    m_grid.SetItemText(row, column, ColorText(static_cast<std::int32_t>(chosen)));
    PreviewLabels labels(target, GetMapScale());
    if (column == kColumnForeColor) {
      labels.SetFore(row, static_cast<int>(chosen));
    } else {
      labels.SetBack(row, static_cast<int>(chosen));
    }
    m_wndPreview.RefreshEntity(m_pPreviewEntity);
  }
  return 0;
}

void CDlgParaSet::OnGridDispInfo(const NMLVDISPINFOA* pInfo) {
  UpdateData(TRUE);
  const int sel = m_cbSymbol.GetCurSel();
  if (sel < 0) return;
  CString strSymbol;
  m_cbSymbol.GetLBText(sel, strSymbol);
  KernelPreviewEntity target(m_pPreviewEntity);
  PreviewLabels labels(target, GetMapScale());
  const int row = pInfo->item.iItem;
  switch (pInfo->item.mask) {
    case GridCellChanged: {
      m_bDirty = TRUE;
      const int column = pInfo->item.iSubItem;
      const char* text = pInfo->item.pszText ? pInfo->item.pszText : "";
      if (column == kColumnHeight) {
        m_grid.SetItemText(row, kColumnWidth, RealText(ReadReal(text, kDefaultLabelHeight) / 2.0));
      }
      const CString value = gbk::Trimmed(text).c_str();
      switch (column) {
        case kColumnText:
          labels.SetText(row, std::string(value));
          break;
        case kColumnVisible:
          labels.SetVisible(row, ParseYesNo(value));
          break;
        case kColumnAngleFollows:
          labels.SetAngleFollows(row, ParseYesNo(value));
          break;
        case kColumnAngle:
          labels.SetAngleUnlessFollowing(row, ReadReal(value, 0.0));
          break;
        default:
          break;  // sizes: the preview keeps its own
      }
      m_wndPreview.RefreshEntity(m_pPreviewEntity);
      break;
    }
    case GridRowInserted: {
      m_bDirty = TRUE;
      const int n = m_grid.GetItemCount();
      labels.SetCount(n);
      double height = kDefaultLabelHeight, width = kDefaultLabelWidth;
      CheckConfigFile(ConfigFile().GetFirstSlotSize(strSymbol, height, width));
      CString number;
      number.Format("%d", n - 1);
      const char letter[2] = {static_cast<char>('a' + n - 1), '\0'};
      m_grid.SetItemText(row, kColumnNumber, number);
      m_grid.SetItemText(row, kColumnText, letter);
      m_grid.SetItemText(row, kColumnVisible, YesNoText(1));
      m_grid.SetItemText(row, kColumnPosition, LabelPositionName(0));
      m_grid.SetItemData(row, 0);
      m_grid.SetItemText(row, kColumnHeight, RealText(height));
      m_grid.SetItemText(row, kColumnWidth, RealText(width));
      m_grid.SetItemText(row, kColumnAngleFollows, YesNoText(1));
      m_grid.SetItemText(row, kColumnAngle, "0");
      m_grid.SetItemText(row, kColumnForeColor, "0");
      m_grid.SetItemText(row, kColumnBackColor, "0");
      PreviewSlot slot;
      slot.strText = letter;
      labels.ShowSlot(row, slot);
      m_wndPreview.RefreshEntity(m_pPreviewEntity);
      break;
    }
    case GridRowDeleted: {
      m_bDirty = TRUE;
      const int n = m_grid.GetItemCount();
      NumberRows();
      for (int j = row + 1; j <= n; ++j) ShiftPreviewLabel(j);
      labels.SetCount(n);
      CheckConfigFile(ConfigFile().RemoveLabelSlot(strSymbol, row, n));
      m_wndPreview.RefreshEntity(m_pPreviewEntity);
      break;
    }
    case GridRowMoved: {
      m_bDirty = TRUE;
      const int to = static_cast<int>(pInfo->item.lParam);
      NumberRows();
      labels.Swap(row, to);
      for (int r : {row, to}) {  // the entity gives no colours back: the rows hold them
        labels.SetFore(r, ParseColorText(m_grid.GetItemText(r, kColumnForeColor)));
        labels.SetBack(r, ParseColorText(m_grid.GetItemText(r, kColumnBackColor)));
      }
      m_wndPreview.RefreshEntity(m_pPreviewEntity);
      break;
    }
    default:
      break;
  }
}

void CDlgParaSet::NumberRows() {
  for (int i = 0; i < m_grid.GetItemCount(); ++i) {
    CString number;
    number.Format("%d", i);
    m_grid.SetItemText(i, kColumnNumber, number);
  }
}

void CDlgParaSet::ShiftPreviewLabel(int nLabel) {
  KernelPreviewEntity target(m_pPreviewEntity);
  PreviewLabels(target, GetMapScale()).Shift(nLabel);
}

BOOL CDlgParaSet::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
  if (pHeader->idFrom == IDC_GRID) {
    switch (pHeader->code) {
      case NM_CLICK:
        *pResult = OnGridClick(reinterpret_cast<const NMITEMACTIVATE*>(lParam));
        return TRUE;
      case LVN_SETDISPINFOA:
        OnGridDispInfo(reinterpret_cast<const NMLVDISPINFOA*>(lParam));
        *pResult = 0;
        return TRUE;
    }
  }
  return CDialog::OnNotify(wParam, lParam, pResult);
}
