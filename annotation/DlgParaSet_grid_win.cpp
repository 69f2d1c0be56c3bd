// CDlgParaSet, the grid of the chosen symbol kind kept in step with the preview entity's labels
// and with the configuration file: loading a record or the built-in default, storing the grid,
// and the grid's click and change notifications.
#include <cstdlib>
#include <cstring>

#include "AfxMessageBox.h"
#include "DlgParaSet.h"
#include "GbkText.h"
#include "KernelPreviewEntity.h"
#include "LabelColorChooser.h"
#include "LabelConfigFile.h"
#include "NumberText.h"
#include "PreviewLabels.h"
#include "SignRelaPosDlg.h"

using namespace vjd::annotation;

namespace {

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
  return LabelConfigFile(m_strHostDir, m_hWnd);
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

BOOL CDlgParaSet::StoreConfig(const SymbolLabelConfig& record) {
  switch (ConfigFile().StoreRecord(record)) {
    case ConfigFileResult::kOk:
      return TRUE;
    case ConfigFileResult::kUnavailable:
      return FALSE;  // the file told the user
    default:
      // Opened, but not written: as unusable as a missing file, and said so.
      fw::AfxMessageBox(m_hWnd, "文件没找到！");
      return FALSE;
  }
}

int CDlgParaSet::FindUnstored(const char* strSymbol) const {
  SymbolLabelConfig key;  // the name as a record holds it (cut to its field)
  InitRecord(key);
  SetSymbolName(key, strSymbol);
  for (int k = 0; k < m_arrUnstored.GetSize(); ++k) {
    if (std::strcmp(m_arrUnstored[k].szSymbolName, key.szSymbolName) == 0) return k;
  }
  return -1;
}

void CDlgParaSet::KeepUnstoredGrid(const CString& strSymbol) {
  SymbolLabelConfig record;
  ReadGrid(strSymbol, record);
  const int k = FindUnstored(record.szSymbolName);
  if (k >= 0) {
    m_arrUnstored[k] = record;
  } else {
    m_arrUnstored.Add(record);
  }
}

void CDlgParaSet::StoreUnstored() {
  while (m_arrUnstored.GetSize() > 0) {
    if (!StoreConfig(m_arrUnstored[0])) return;  // the file is still unusable: keep them all
    m_arrUnstored.RemoveAt(0);
  }
}

BOOL CDlgParaSet::SaveGridConfig(const CString& strSymbol) {
  if (m_cbSymbol.GetCurSel() < 0 || m_grid.GetItemCount() == 0 || !m_bDirty) {
    StoreUnstored();
    return TRUE;  // nothing of the grid to store
  }
  // The grid of this kind started from its waiting record (if any) and supersedes it.
  SymbolLabelConfig record;
  ReadGrid(strSymbol, record);
  const int k = FindUnstored(record.szSymbolName);
  if (k >= 0) m_arrUnstored.RemoveAt(k);
  if (!StoreConfig(record)) return FALSE;  // m_bDirty is left as it is
  StoreUnstored();
  return TRUE;
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
  ConfigFileResult found = ConfigFile().FindRecord(strSymbol, record);
  if (found == ConfigFileResult::kIoError) {
    fw::AfxMessageBox(m_hWnd, "文件没找到！");
    found = ConfigFileResult::kUnavailable;
  }
  if (found == ConfigFileResult::kUnavailable) return;  // grid and preview keep their contents
  // Changes of this kind that could not be stored yet are what the grid shows.
  const int waiting = FindUnstored(strSymbol);
  if (waiting >= 0) {
    record = m_arrUnstored[waiting];
    found = ConfigFileResult::kOk;
  }
  m_grid.DeleteAllItems();
  KernelPreviewEntity target(entity);
  PreviewLabels labels(target, GetMapScale());
  int count = 0;
  if (found == ConfigFileResult::kOk) {
    count = LabelCount(record);
  } else {
    labels.SetCount(0);
    count = MakeDefaultConfig(strSymbol, record);
  }
  if (count == 0 && found != ConfigFileResult::kOk) return;  // a kind without default: empty
  labels.SetCount(count);
  for (int i = 0; i < count; ++i) ShowSlotRow(i, record, labels);
}

void CDlgParaSet::ShowGridInPreview() {
  SymbolLabelConfig record;
  ReadGrid(m_strCurSymbol, record);
  KernelPreviewEntity target(m_pPreviewEntity);
  PreviewLabels labels(target, GetMapScale());
  labels.SetCount(record.nLabelCount);
  for (int i = 0; i < record.nLabelCount; ++i) labels.ShowSlot(i, PreviewSlotOf(record, i));
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
    const COLORREF initial = static_cast<COLORREF>(ParseColorText(m_grid.GetItemText(row, column)));
    COLORREF chosen = initial;
    if (!ChooseLabelColor(initial, &chosen)) return 0;
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
      ConfigFile().GetFirstSlotSize(strSymbol, height, width);
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
      for (int i = 0; i < n; ++i) {
        CString number;
        number.Format("%d", i);
        m_grid.SetItemText(i, kColumnNumber, number);
      }
      for (int j = row + 1; j <= n; ++j) ShiftPreviewLabel(j);
      labels.SetCount(n);
      ConfigFile().RemoveLabelSlot(strSymbol, row, n);
      m_wndPreview.RefreshEntity(m_pPreviewEntity);
      break;
    }
    default:
      break;
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
