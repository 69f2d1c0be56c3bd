// CDlgParaSet: the buttons that change labels in the drawing - "应用" (3022) rewrites motor,
// cable and short-circuit labels from the display settings and device data, the two update
// buttons (3019 all symbols, 3024 the picked ones) push the selected kind's configuration.  The
// work itself is ApplyOptions.h and KindLabelUpdate.h; the host is reached through
// CHostLabelAccess over the window's map.
#include <string>

#include "AfxMessageBox.h"
#include "ApplyOptions.h"
#include "DlgParaSet.h"
#include "HostLabelAccess_win.h"
#include "KindLabelUpdate.h"

namespace {

using vjd::annotation::DisplayOptions;
using vjd::annotation::OptionSnapshot;

// The window's answers to the kind push: selected kind, grid store and row count.
class CKindLabelWindow : public vjd::annotation::IKindLabelWindow {
 public:
  explicit CKindLabelWindow(CDlgParaSet& dlg) : m_dlg(dlg) {}

  bool GetSelectedKind(std::string& kindName) override {
    int sel = m_dlg.m_cbSymbol.m_hWnd ? m_dlg.m_cbSymbol.GetCurSel() : -1;
    if (sel < 0) return false;
    CString text;
    m_dlg.m_cbSymbol.GetLBText(sel, text);
    kindName.assign(static_cast<const char*>(text), static_cast<size_t>(text.GetLength()));
    return true;
  }
  bool SaveGridConfig(const std::string& kindName) override {
    return m_dlg.SaveGridConfig(CString(kindName.c_str())) != FALSE;
  }
  int GetGridRowCount() override { return m_dlg.m_grid.m_hWnd ? m_dlg.m_grid.GetItemCount() : 0; }

 private:
  CDlgParaSet& m_dlg;
};

// The check boxes as Apply reads them; the five settings stored only when changed also have the
// member that holds what was stored last and its place in the snapshot.
const struct {
  BOOL CDlgParaSet::*pBox;
  int DisplayOptions::*pOption;
  BOOL CDlgParaSet::*pOld;
  int OptionSnapshot::*pStored;
} kOptions[] = {
    {&CDlgParaSet::m_bShowMotorModel, &DisplayOptions::bShowMotorModel,
     &CDlgParaSet::m_bOldShowMotorModel, &OptionSnapshot::bShowMotorModel},
    {&CDlgParaSet::m_bShowMotorName, &DisplayOptions::bShowMotorName,
     &CDlgParaSet::m_bOldShowMotorName, &OptionSnapshot::bShowMotorName},
    {&CDlgParaSet::m_bShowCableLabel, &DisplayOptions::bShowCableLabel,
     &CDlgParaSet::m_bOldShowCableLabel, &OptionSnapshot::bShowCableLabel},
    {&CDlgParaSet::m_bShowCableName, &DisplayOptions::bShowCableName,
     &CDlgParaSet::m_bOldShowCableName, &OptionSnapshot::bShowCableName},
    {&CDlgParaSet::m_bOneLine, &DisplayOptions::bOneLine, &CDlgParaSet::m_bOldOneLine,
     &OptionSnapshot::bOneLine},
    {&CDlgParaSet::m_bShowShortName, &DisplayOptions::bShowShortName, nullptr, nullptr},
    {&CDlgParaSet::m_bShowShortCurrent, &DisplayOptions::bShowShortCurrent, nullptr, nullptr},
    {&CDlgParaSet::m_bShowNameOnDraw, &DisplayOptions::bShowNameOnDraw, nullptr, nullptr},
    {&CDlgParaSet::m_bConfigMotor, &DisplayOptions::bConfigMotor, nullptr, nullptr},
    {&CDlgParaSet::m_bConfigCable, &DisplayOptions::bConfigCable, nullptr, nullptr},
    {&CDlgParaSet::m_bConfigShort, &DisplayOptions::bConfigShort, nullptr, nullptr},
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
  DisplayOptions options;
  OptionSnapshot snapshot;
  for (const auto& option : kOptions) {
    options.*option.pOption = this->*option.pBox;
    if (option.pOld) snapshot.*option.pStored = this->*option.pOld;
  }
  try {
    vjd::annotation::CHostLabelAccess host(m_pMap);
    vjd::annotation::ApplyOptions(host, options, snapshot, m_arrAllHandles.GetData(),
                                  m_arrAllIds.GetData(), m_arrAllHandles.GetSize());
  } catch (...) {
    // Out of memory part-way: the labels written so far stay and the map was told of them.
  }
  // The snapshot now holds what was stored, so the next Apply compares with that.
  for (const auto& option : kOptions) {
    if (option.pOld) this->*option.pOld = snapshot.*option.pStored;
  }
}

BOOL CDlgParaSet::UpdateKindLabels(int nCount, const int* pHandles, const int* pIds) {
  try {
    CKindLabelWindow window(*this);
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
