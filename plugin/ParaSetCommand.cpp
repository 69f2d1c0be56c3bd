#include "ParaSetCommand.h"

#include <cstdint>

#include "CommandMessages.h"
#include "DeviceSymbols.h"
#include "DlgParaSet.h"
#include "POIntArrayDriver.h"
#include "PoMapDriver.h"
#include "ResourceScope.h"
#include "VellJDParaSetting.h"
#include "quarnkernel.h"

using namespace vjd::command;

namespace {

const char kEndPrompt[] = "退出标注配置命令";

// A pointer as MouseStatus carries it.  Only message 21 carries pointers, and nothing handles
// it, so the value is never turned back into a pointer.
int PointerParam(const void* p) {
  return static_cast<int>(reinterpret_cast<std::uintptr_t>(p));
}

CParaSetCommand* g_pCommand = nullptr;  // the instance while it exists

}  // namespace

CParaSetCommand& CParaSetCommand::Instance() {
  static CParaSetCommand command;
  return command;
}

CParaSetCommand::CParaSetCommand() : m_pDlg(nullptr), m_hDlg(nullptr) {
  g_pCommand = this;
}

// Runs after OnLibraryDetach: nothing of the host is held any more.
CParaSetCommand::~CParaSetCommand() {
  g_pCommand = nullptr;
}

void CParaSetCommand::Send(int code, int param1, int param2) {
  MouseStatus(code, param1, param2);
}

int CParaSetCommand::HostObjectsHeld() {
  return g_pCommand && g_pCommand->HasArrayObject() ? 1 : 0;
}

void CParaSetCommand::OnLibraryDetach(bool bProcessEnds) {
  CParaSetCommand* command = g_pCommand;
  if (!command) return;
  if (bProcessEnds) {
    if (command->m_pIntArray) command->m_pIntArray->DetachDispatch();
    return;
  }
  if (CDlgParaSet* pDlg = command->LiveWindow()) pDlg->DestroyWindow();
  if (command->m_pIntArray) command->m_pIntArray->ReleaseDispatch();
}

CDlgParaSet* CParaSetCommand::LiveWindow() const {
  if (!m_pDlg || !m_hDlg) return nullptr;
  return CWnd::FromHandlePermanent(m_hDlg) == m_pDlg ? m_pDlg : nullptr;
}

bool CParaSetCommand::HasArrayObject() const {
  return m_pIntArray && m_pIntArray->IsAttached();
}

void CParaSetCommand::OnMessage(int code, int p1, int p2, int commandState) {
  CTempMapLock temps;  // window wrappers asked for while handling the message go when it returns
  if (!m_pIntArray) m_pIntArray = std::make_unique<vjd::host::CPOIntArrayDriver>();
  vjd::host::CPoMapDriver map(vjd::TheLibraryState().pMap);
  switch (code) {
    case kPickStep:
      if (commandState == 0) OnPickStep(map);
      return;
    case kPickEnd:
      if (commandState == 0) OnPickEnd(map);
      return;
    case kKey:
      if (p1 == kEscapeKey) MouseStatus(kEnd, 0, 0);
      return;
    case kEnd:
      OnEnd(map);
      return;
    case kStart:
      OnStart(map);
      return;
    case kFromWindow:
      if (p2 == kWindowLeaves)
        MouseStatus(kEnd, 0, 0);
      else if (p2 == kWindowPicks)
        OnNewPick(map);
      return;
    default:
      return;  // kPromptRequest included: the text it carries stays empty
  }
}

int CParaSetCommand::FilterDeviceSymbols(const vjd::host::CPoMapDriver& map,
                                         CArray<int, int>& handles, CArray<int, int>& ids) const {
  int size = m_pIntArray->GetSize();
  handles.SetSize(0, size);
  ids.SetSize(0, size);
  for (int index = 0; index < size; ++index) {
    int id = m_pIntArray->GetAt(index);
    int handle = map.EntityHandle(id);
    int kind = GetEntityKind(handle);
    if (kind == QK_KIND_DEVICE_SYMBOL || kind == QK_KIND_DEVICE_SYMBOL_ALT) {
      handles.Add(handle);
      ids.Add(id);
    }
  }
  return ids.GetSize();
}

void CParaSetCommand::Highlight(const vjd::host::CPoMapDriver& map, int mark) const {
  vjd::host::CPoHighlighterDriver highlighter = map.Highlighter();
  // The count handed over is the number of ids at the address handed over: without an address
  // (the host gave none) that is none, so the host is never asked to read through null.
  const int* data = m_pIntArray->GetData();
  highlighter.SetHighlight(data, data ? m_pIntArray->GetSize() : 0, mark, mark);
  highlighter.RedrawEntities(data, data ? m_pIntArray->GetSize() : 0);
}

void CParaSetCommand::OnStart(const vjd::host::CPoMapDriver& map) {
  if (!m_pIntArray->IsAttached()) m_pIntArray->Create();
  CResourceScope resources;  // template 3000 is this library's

  // The host's selection moves into the array.  Without an array object it stays where it is:
  // moving it into nothing would lose the user's selection.
  if (HasArrayObject()) {
    vjd::host::CPoSelectionDriver selection = map.Selection();
    int count = selection.Count();
    if (count > 0) {
      m_pIntArray->SetSize(count, -1);
      for (int index = 0; index < selection.Count(); ++index)
        m_pIntArray->SetAt(index, selection.Item(index));
      selection.Clear();
    }
  }

  CArray<int, int> selHandles, selIds;
  int selCount = HasArrayObject() ? FilterDeviceSymbols(map, selHandles, selIds) : 0;

  auto* pDlg = new CDlgParaSet(nullptr);
  m_pDlg = pDlg;
  m_hDlg = nullptr;
  pDlg->SetMap(vjd::TheLibraryState().pMap);
  pDlg->SetCommandSink(this);
  if (selCount > 0) pDlg->SetSelectedSymbols(selHandles.GetData(), selIds.GetData(), selCount);

  CArray<int, int> allHandles, allIds;
  int allCount = CollectDeviceSymbols(vjd::TheLibraryState().pMap, allHandles, allIds);
  if (allCount > 0) pDlg->SetAllSymbols(allHandles.GetData(), allIds.GetData(), allCount);

  switch (pDlg->CreateModeless(CDlgParaSet::IDD, nullptr)) {
    case CDialog::CreateResult::Created:
      break;
    case CDialog::CreateResult::NoWindow:
      delete pDlg;  // no window will ever delete it
      m_pDlg = nullptr;
      return;
    case CDialog::CreateResult::WindowGone:
      m_pDlg = nullptr;  // the window came and went, and its object with it
      return;
  }
  m_hDlg = pDlg->m_hWnd;
  pDlg->ShowWindow(SW_SHOW);
}

void CParaSetCommand::OnPickStep(const vjd::host::CPoMapDriver& map) {
  if (HasArrayObject()) {
    Highlight(map, 1);
    map.BeginPick(m_pIntArray->GetDispatch(), kPickArgs[0], kPickArgs[1], kPickArgs[2]);
  }
  map.UpdateView();
}

void CParaSetCommand::OnPickEnd(const vjd::host::CPoMapDriver& map) {
  CDlgParaSet* pDlg = LiveWindow();
  if (pDlg) pDlg->ShowWindow(SW_SHOW);
  CArray<int, int> handles, ids;
  int count = HasArrayObject() ? FilterDeviceSymbols(map, handles, ids) : 0;
  if (pDlg) pDlg->ShowPickResult(count, handles.GetData(), ids.GetData());
  map.SetPickEnded(true);
}

void CParaSetCommand::OnNewPick(const vjd::host::CPoMapDriver& map) {
  // Without an array object there is nothing to pick into: the window stays as it is, so the
  // user is not left with a hidden window and a pick that can never end.
  if (!HasArrayObject()) return;
  map.Selection().Clear();
  Highlight(map, 0);
  map.UpdateView();
  map.Refresh();
  if (CDlgParaSet* pDlg = LiveWindow()) pDlg->ShowWindow(SW_HIDE);
  m_pIntArray->RemoveAll();

  CString prompt;  // message 21 is not handled: the prompt stays empty
  MouseStatus(kPromptRequest, PointerParam("?"), PointerParam(&prompt));
  map.SetPrompt(prompt);

  map.BeginPick(m_pIntArray->GetDispatch(), kPickArgs[0], kPickArgs[1], kPickArgs[2]);
  map.SendToWindow(WM_SETCURSOR, 0, 0);
}

void CParaSetCommand::OnEnd(const vjd::host::CPoMapDriver& map) {
  if (HasArrayObject()) {
    Highlight(map, 0);
    m_pIntArray->RemoveAll();
    m_pIntArray->ReleaseDispatch();
  }
  map.Selection().Clear();
  map.SetCurrentCommand(0, 0);
  map.SendToWindow(WM_SETCURSOR, 0, 0);
  map.SetPrompt(kEndPrompt);
  map.UpdateView();
}
