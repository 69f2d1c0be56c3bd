#include "ConfigWindow_win.h"

#include "DlgParaSet.h"
#include "ResourceScope.h"

using vjd::command::SymbolLists;

namespace {

// This library's resource context for the object's life.
class OwnResourceScope : public vjd::command::IResourceScope {
  CResourceScope m_scope;
};

}  // namespace

CDlgParaSet* CConfigWindow::Window() const {
  if (!m_pDlg || !m_hDlg) return nullptr;
  return CWnd::FromHandlePermanent(m_hDlg) == m_pDlg ? m_pDlg : nullptr;
}

void CConfigWindow::Show(bool visible) {
  if (CDlgParaSet* pDlg = Window()) pDlg->ShowWindow(visible ? SW_SHOW : SW_HIDE);
}

void CConfigWindow::ShowPickResult(int count, const SymbolLists& picked) {
  if (CDlgParaSet* pDlg = Window())
    pDlg->ShowPickResult(count, picked.handles.GetData(), picked.ids.GetData());
}

void CConfigWindow::BringToFront() {
  if (!Window()) return;
  if (IsIconic(m_hDlg)) ShowWindow(m_hDlg, SW_RESTORE);
  // A message box, the position window or the colour dialog the window has open comes instead
  // (activating the window under it would end that choice); the window follows when it closes.
  SetForegroundWindow(GetLastActivePopup(m_hDlg));
}

void CConfigWindow::Destroy() {
  if (CDlgParaSet* pDlg = Window()) pDlg->DestroyWindow();
}

std::unique_ptr<vjd::command::IResourceScope> CConfigWindows::OwnResources() {
  return std::make_unique<OwnResourceScope>();
}

std::unique_ptr<vjd::command::IConfigWindow> CConfigWindows::Open(
    const SymbolLists& selected, const SymbolLists& all, vjd::command::ICommandSink& requests) {
  CResourceScope resources;  // template 3000 is this library's, whoever opens the window
  auto* pDlg = new CDlgParaSet(nullptr);
  pDlg->SetMap(m_map);
  pDlg->SetCommandSink(&requests);
  if (selected.Count() > 0)
    pDlg->SetSelectedSymbols(selected.handles.GetData(), selected.ids.GetData(), selected.Count());
  if (all.Count() > 0) pDlg->SetAllSymbols(all.handles.GetData(), all.ids.GetData(), all.Count());

  switch (pDlg->CreateModeless(CDlgParaSet::IDD, nullptr)) {
    case CDialog::CreateResult::Created:
      break;
    case CDialog::CreateResult::NoWindow:
      delete pDlg;  // no window will ever delete it
      return nullptr;
    case CDialog::CreateResult::WindowGone:
      return nullptr;  // the window came and went, and its object with it
  }
  auto window = std::make_unique<CConfigWindow>(pDlg, pDlg->m_hWnd);
  pDlg->ShowWindow(SW_SHOW);
  return window;
}
