#include "ParaSetWindowSink_win.h"

#include "AfxMessageBox.h"
#include "ColorDialog.h"
#include "DlgParaSetIds.h"
#include "SignRelaPosDlg.h"

namespace {

// The caption of control 3003 is the shown kind's name followed by this suffix (none: empty).
const char kCaptionSuffix[] = " 的标注:";

}  // namespace

void CParaSetWindowSink::ShowMessage(const char* text) {
  fw::AfxMessageBox(m_window.m_hWnd, text);
}

bool CParaSetWindowSink::ChoosePosition(int preset, int& code, std::string& name) {
  CSignRelaPosDlg dlg;  // no owner
  dlg.m_nPosition = preset;
  if (dlg.DoModal() != IDOK) return false;
  code = dlg.m_nPosition;
  name = std::string(dlg.m_strPosition);
  return true;
}

bool CParaSetWindowSink::ChooseColour(std::int32_t initial, std::int32_t& chosen) {
  CColorDialog dlg(static_cast<COLORREF>(initial));  // no flags, no owner
  if (dlg.DoModal() != IDOK) return false;
  chosen = static_cast<std::int32_t>(dlg.GetColor());
  return true;
}

void CParaSetWindowSink::RefreshPreview() {
  m_preview.RefreshEntity(m_entity);
}

void CParaSetWindowSink::ShowKind(const std::string& kind) {
  m_preview.SetCurrentLabel(m_entity, 0);
  m_preview.RefreshEntity(m_entity);
  m_window.SetDlgItemText(IDC_GRID_BUTTONBAR,
                          (kind.empty() ? kind : kind + kCaptionSuffix).c_str());
  m_window.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CParaSetWindowSink::EnableGrid(bool enabled) {
  for (int id : {IDC_GRID, IDC_GRID_BUTTONBAR}) {
    if (CWnd* control = m_window.GetDlgItem(id)) control->EnableWindow(enabled ? TRUE : FALSE);
  }
}

void CParaSetWindowSink::SendToCommand(int code, int param1, int param2) {
  if (m_pCommand) m_pCommand->Send(code, param1, param2);
}
