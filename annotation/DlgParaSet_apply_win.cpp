// CDlgParaSet: the buttons that change labels in the drawing - "应用" (3022) rewrites motor,
// cable and short-circuit labels from the display settings and device data, the two update
// buttons (3019 all symbols, 3024 the picked ones) push the selected kind's configuration.  The
// work itself is ApplyOptions.h and KindLabelUpdate.h; the host is reached through
// CHostLabelAccess over the window's map.
#include <functional>
#include <string>

#include "AfxMessageBox.h"
#include "ApplyOptions.h"
#include "DlgParaSet.h"
#include "HostLabelAccess_win.h"
#include "KindLabelUpdate.h"

namespace {

// The window's answers to the kind push: selected kind, grid store and row count.
class CKindLabelWindow : public vjd::annotation::IKindLabelWindow {
 public:
  CKindLabelWindow(CComboBox& symbols, CGridListCtrl& grid,
                   std::function<BOOL(const CString&)> save)
      : m_symbols(symbols), m_grid(grid), m_save(std::move(save)) {}

  bool GetSelectedKind(std::string& kindName) override {
    int sel = m_symbols.m_hWnd ? m_symbols.GetCurSel() : -1;
    if (sel < 0) return false;
    CString text;
    m_symbols.GetLBText(sel, text);
    kindName.assign(static_cast<const char*>(text), static_cast<size_t>(text.GetLength()));
    return true;
  }
  bool SaveGridConfig(const std::string& kindName) override {
    return m_save(CString(kindName.c_str())) != FALSE;
  }
  int GetGridRowCount() override { return m_grid.m_hWnd ? m_grid.GetItemCount() : 0; }

 private:
  CComboBox& m_symbols;
  CGridListCtrl& m_grid;
  std::function<BOOL(const CString&)> m_save;
};

}  // namespace

BOOL CDlgParaSet::OnApplyCommand(WPARAM wParam, LPARAM) {
  if (HIWORD(wParam) != BN_CLICKED) return FALSE;
  switch (LOWORD(wParam)) {
    case IDC_BTN_APPLY:
      ApplyOptions();
      return TRUE;
    case IDC_BTN_UPDATE_ALL:
      OnUpdateAll();
      return TRUE;
    case IDC_BTN_UPDATE_SELECTED:
      OnUpdateSelected();
      return TRUE;
  }
  return FALSE;
}

void CDlgParaSet::ApplyOptions() {
  UpdateData(TRUE);
  vjd::annotation::DisplayOptions options;
  options.bShowMotorModel = m_bShowMotorModel;
  options.bShowMotorName = m_bShowMotorName;
  options.bShowCableLabel = m_bShowCableLabel;
  options.bShowCableName = m_bShowCableName;
  options.bOneLine = m_bOneLine;
  options.bShowShortName = m_bShowShortName;
  options.bShowShortCurrent = m_bShowShortCurrent;
  options.bShowNameOnDraw = m_bShowNameOnDraw;
  options.bConfigMotor = m_bConfigMotor;
  options.bConfigCable = m_bConfigCable;
  options.bConfigShort = m_bConfigShort;
  vjd::annotation::OptionSnapshot snapshot;
  snapshot.bShowMotorName = m_bOldShowMotorName;
  snapshot.bShowMotorModel = m_bOldShowMotorModel;
  snapshot.bShowCableName = m_bOldShowCableName;
  snapshot.bShowCableLabel = m_bOldShowCableLabel;
  snapshot.bOneLine = m_bOldOneLine;
  try {
    vjd::annotation::CHostLabelAccess host(m_pMap);
    vjd::annotation::ApplyOptions(host, options, snapshot, m_arrAllHandles.GetData(),
                                  m_arrAllIds.GetData(), m_arrAllHandles.GetSize());
  } catch (...) {
    // Out of memory part-way: the labels written so far stay; Apply reports nothing.
  }
  // The snapshot now holds what was stored, so the next Apply compares with that.
  m_bOldShowMotorName = snapshot.bShowMotorName;
  m_bOldShowMotorModel = snapshot.bShowMotorModel;
  m_bOldShowCableName = snapshot.bShowCableName;
  m_bOldShowCableLabel = snapshot.bShowCableLabel;
  m_bOldOneLine = snapshot.bOneLine;
}

BOOL CDlgParaSet::UpdateKindLabels(int nCount, const int* pHandles, const int* pIds) {
  try {
    CKindLabelWindow window(m_cbSymbol, m_grid,
                            [this](const CString& strSymbol) { return SaveGridConfig(strSymbol); });
    vjd::annotation::CHostLabelAccess host(m_pMap);
    return vjd::annotation::UpdateKindLabels(window, host, nCount, pHandles, pIds) ? TRUE : FALSE;
  } catch (...) {
    return FALSE;
  }
}

void CDlgParaSet::ReportKindUpdate(BOOL bResult) {
  fw::AfxMessageBox(
      m_hWnd, bResult ? vjd::annotation::kUpdateSucceeded : vjd::annotation::kUpdateFailed, MB_OK);
}

void CDlgParaSet::OnUpdateAll() {
  UpdateData(TRUE);
  ReportKindUpdate(UpdateKindLabels(m_arrAllHandles.GetSize(), m_arrAllHandles.GetData(),
                                    m_arrAllIds.GetData()));
}

void CDlgParaSet::OnUpdateSelected() {
  UpdateData(TRUE);
  ReportKindUpdate(UpdateKindLabels(m_arrSelHandles.GetSize(), m_arrSelHandles.GetData(),
                                    m_arrSelIds.GetData()));
}
