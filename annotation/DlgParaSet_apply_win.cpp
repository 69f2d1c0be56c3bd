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

// The check boxes as Apply reads them.
const struct {
  BOOL CDlgParaSet::*pMember;
  int DisplayOptions::*pOption;
} kOptionBoxes[] = {
    {&CDlgParaSet::m_bShowMotorModel, &DisplayOptions::bShowMotorModel},
    {&CDlgParaSet::m_bShowMotorName, &DisplayOptions::bShowMotorName},
    {&CDlgParaSet::m_bShowCableLabel, &DisplayOptions::bShowCableLabel},
    {&CDlgParaSet::m_bShowCableName, &DisplayOptions::bShowCableName},
    {&CDlgParaSet::m_bOneLine, &DisplayOptions::bOneLine},
    {&CDlgParaSet::m_bShowShortName, &DisplayOptions::bShowShortName},
    {&CDlgParaSet::m_bShowShortCurrent, &DisplayOptions::bShowShortCurrent},
    {&CDlgParaSet::m_bShowNameOnDraw, &DisplayOptions::bShowNameOnDraw},
    {&CDlgParaSet::m_bConfigMotor, &DisplayOptions::bConfigMotor},
    {&CDlgParaSet::m_bConfigCable, &DisplayOptions::bConfigCable},
    {&CDlgParaSet::m_bConfigShort, &DisplayOptions::bConfigShort},
};

// The five settings Apply compares with what was stored last.
const struct {
  BOOL CDlgParaSet::*pMember;
  int OptionSnapshot::*pValue;
} kSnapshotMembers[] = {
    {&CDlgParaSet::m_bOldShowMotorName, &OptionSnapshot::bShowMotorName},
    {&CDlgParaSet::m_bOldShowMotorModel, &OptionSnapshot::bShowMotorModel},
    {&CDlgParaSet::m_bOldShowCableName, &OptionSnapshot::bShowCableName},
    {&CDlgParaSet::m_bOldShowCableLabel, &OptionSnapshot::bShowCableLabel},
    {&CDlgParaSet::m_bOldOneLine, &OptionSnapshot::bOneLine},
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
  for (const auto& box : kOptionBoxes) options.*box.pOption = this->*box.pMember;
  OptionSnapshot snapshot;
  for (const auto& old : kSnapshotMembers) snapshot.*old.pValue = this->*old.pMember;
  try {
    vjd::annotation::CHostLabelAccess host(m_pMap);
    vjd::annotation::ApplyOptions(host, options, snapshot, m_arrAllHandles.GetData(),
                                  m_arrAllIds.GetData(), m_arrAllHandles.GetSize());
  } catch (...) {
    // Out of memory part-way: the labels written so far stay and the map was told of them.
  }
  // The snapshot now holds what was stored, so the next Apply compares with that.
  for (const auto& old : kSnapshotMembers) this->*old.pMember = snapshot.*old.pValue;
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
