#include "ParaSetWindowSink_win.h"

#include <cstring>

#include "AfxMessageBox.h"
#include "ColorDialog.h"
#include "DlgParaSetIds.h"
#include "SignRelaPosDlg.h"

namespace {

// The caption of control 3003 is the shown kind's name followed by this suffix (none: empty).
const char kCaptionSuffix[] = " 的标注:";

struct ModalSearch {
  HWND hOwner, hModal;
};

BOOL CALLBACK FindModal(HWND hWnd, LPARAM param) {
  auto* search = reinterpret_cast<ModalSearch*>(param);
  char cls[8] = {};
  ::GetClassNameA(hWnd, cls, sizeof cls);
  if (::GetWindow(hWnd, GW_OWNER) != search->hOwner || std::strcmp(cls, "#32770") != 0) return TRUE;
  search->hModal = hWnd;
  return FALSE;
}

}  // namespace

class CParaSetWindowSink::CModalScope {
 public:
  explicit CModalScope(CParaSetWindowSink& sink) : m_sink(sink) { ++m_sink.m_nModal; }
  ~CModalScope() {
    if (--m_sink.m_nModal > 0 || !m_sink.m_bLeaveAfterModal) return;
    m_sink.m_bLeaveAfterModal = false;
    m_sink.m_window.PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  }
  CModalScope(const CModalScope&) = delete;
  CModalScope& operator=(const CModalScope&) = delete;

  // The answer counts only when the window is not leaving.
  bool Answered(INT_PTR result) const { return result == IDOK && !m_sink.m_bLeaveAfterModal; }

 private:
  CParaSetWindowSink& m_sink;
};

void CParaSetWindowSink::ShowMessage(const char* text) {
  CModalScope modal(*this);
  fw::AfxMessageBox(m_window.m_hWnd, text);
}

bool CParaSetWindowSink::ChoosePosition(int preset, int& code, std::string& name) {
  CModalScope modal(*this);
  CSignRelaPosDlg dlg(&m_window);
  dlg.m_nPosition = preset;
  if (!modal.Answered(dlg.DoModal())) return false;
  code = dlg.m_nPosition;
  name = std::string(dlg.m_strPosition);
  return true;
}

bool CParaSetWindowSink::ChooseColour(std::int32_t initial, std::int32_t& chosen) {
  CModalScope modal(*this);
  CColorDialog dlg(static_cast<COLORREF>(initial), 0, &m_window);  // no flags
  if (!modal.Answered(dlg.DoModal())) return false;
  chosen = static_cast<std::int32_t>(dlg.GetColor());
  return true;
}

void CParaSetWindowSink::LeaveAfterModal() {
  m_bLeaveAfterModal = true;
  // The open modal window is the dialog the window owns (its tooltip is owned by it too); its
  // cancel ends its loop.
  ModalSearch search{m_window.m_hWnd, nullptr};
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindModal, reinterpret_cast<LPARAM>(&search));
  if (search.hModal) ::SendMessageA(search.hModal, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
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
