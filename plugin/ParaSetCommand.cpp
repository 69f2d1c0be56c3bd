#include "ParaSetCommand.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

#include "CString.h"
#include "CommandMessages.h"
#include "quarnkernel.h"

using namespace vjd::command;

namespace {

const char kEndPrompt[] = "退出标注配置命令";

// A pointer as MouseStatus carries it.  Only message 21 carries pointers, and nothing handles
// it, so the value is never turned back into a pointer.
int PointerParam(const void* p) {
  return static_cast<int>(reinterpret_cast<std::uintptr_t>(p));
}

}  // namespace

CParaSetCommand::CParaSetCommand(IHostIntArray& array, const IDrawingSymbols& drawing,
                                 IConfigWindows& windows, ICommandSink& messages)
    : m_array(array), m_drawing(drawing), m_windows(windows), m_messages(messages) {}

IConfigWindow* CParaSetCommand::LiveWindow() const {
  return m_newest.window && m_newest.window->IsAlive() ? m_newest.window.get() : nullptr;
}

void CParaSetCommand::CWindowRequests::Send(int code, int param1, int param2) {
  if (m_command.m_newest.requests.get() == this) m_command.m_messages.Send(code, param1, param2);
}

void CParaSetCommand::OnLaunchWhileRunning() {
  if (m_bHiddenForPick) return;
  if (IConfigWindow* window = LiveWindow()) window->BringToFront();
}

void CParaSetCommand::OnLibraryDetach(bool bProcessEnds) {
  if (bProcessEnds) {
    m_array.Forget();
    return;
  }
  // Every window of the library goes with its code: the newest and any left open before it.
  if (IConfigWindow* window = LiveWindow()) window->Destroy();
  for (OpenedWindow& earlier : m_earlier)
    if (earlier.window && earlier.window->IsAlive()) earlier.window->Destroy();
  m_array.Release();
}

void CParaSetCommand::OnMessage(const IHostMap& map, int code, int p1, int p2, int commandState) {
  switch (code) {
    case kPickStep:
      if (commandState == 0) OnPickStep(map);
      return;
    case kPickEnd:
      if (commandState == 0) OnPickEnd(map);
      return;
    case kKey:
      if (p1 == kEscapeKey) m_messages.Send(kEnd, 0, 0);
      return;
    case kEnd:
      OnEnd(map);
      return;
    case kStart:
      OnStart(map);
      return;
    case kFromWindow:
      if (p2 == kWindowLeaves)
        m_messages.Send(kEnd, 0, 0);
      else if (p2 == kWindowPicks)
        OnNewPick(map);
      return;
    default:
      return;  // kPromptRequest included: the text it carries stays empty
  }
}

SymbolLists CParaSetCommand::FilterDeviceSymbols(const IHostMap& map) const {
  SymbolLists symbols;
  if (!HasArrayObject()) return symbols;
  int size = m_array.GetSize();
  symbols.handles.SetSize(0, size);
  symbols.ids.SetSize(0, size);
  // A symbol picked twice is in the array twice: it counts, and is laid out, once.
  std::unordered_set<int> seen;
  for (int index = 0; index < size; ++index) {
    int id = m_array.GetAt(index);
    if (!seen.insert(id).second) continue;
    int handle = map.EntityHandle(id);
    int kind = m_drawing.EntityKind(handle);
    if (kind == QK_KIND_DEVICE_SYMBOL || kind == QK_KIND_DEVICE_SYMBOL_ALT) {
      symbols.handles.Add(handle);
      symbols.ids.Add(id);
    }
  }
  return symbols;
}

void CParaSetCommand::Highlight(const IHostMap& map, int mark) const {
  std::unique_ptr<IHostHighlighter> highlighter = map.Highlighter();
  // The count handed over is the number of ids at the address handed over: without an address
  // (the host gave none) that is none, so the host is never asked to read through null.
  const int* data = m_array.GetData();
  highlighter->SetHighlight(data, data ? m_array.GetSize() : 0, mark, mark);
  highlighter->RedrawEntities(data, data ? m_array.GetSize() : 0);
}

void CParaSetCommand::ArmPick(const IHostMap& map) const {
  map.BeginPick(m_array, kPickArgs[0], kPickArgs[1], kPickArgs[2]);
}

void CParaSetCommand::OnStart(const IHostMap& map) {
  if (!m_array.IsAttached()) m_array.Create();
  // The rest of the start, the window's making among it, runs in this library's resource context;
  // the previous context comes back when the start returns.
  const std::unique_ptr<IResourceScope> resources = m_windows.OwnResources();

  // The host's selection moves into the array.  Without an array object it stays where it is:
  // moving it into nothing would lose the user's selection.
  if (HasArrayObject()) {
    std::unique_ptr<IHostSelection> selection = map.Selection();
    int count = selection->Count();
    if (count > 0) {
      m_array.SetSize(count, -1);
      for (int index = 0; index < selection->Count(); ++index)
        m_array.SetAt(index, selection->Item(index));
      selection->Clear();
    }
  }

  SymbolLists selected = FilterDeviceSymbols(map);
  SymbolLists all;
  m_drawing.DeviceSymbols(all.handles, all.ids);
  // The window still open from an earlier launch stays as it is, kept only for the unloading.
  m_earlier.erase(
      std::remove_if(m_earlier.begin(), m_earlier.end(),
                     [](const OpenedWindow& w) { return !w.window || !w.window->IsAlive(); }),
      m_earlier.end());
  if (LiveWindow()) m_earlier.push_back(std::move(m_newest));
  // While the new window is made there is none the command could use; from now on only the new
  // one's requests reach the command.
  m_newest = OpenedWindow{std::make_unique<CWindowRequests>(*this), nullptr};
  m_bHiddenForPick = false;
  m_newest.window = m_windows.Open(selected, all, *m_newest.requests);
}

void CParaSetCommand::OnPickStep(const IHostMap& map) {
  if (HasArrayObject()) {
    Highlight(map, 1);
    ArmPick(map);
  }
  map.UpdateView();
}

void CParaSetCommand::OnPickEnd(const IHostMap& map) {
  IConfigWindow* window = LiveWindow();
  if (window) window->Show(true);
  m_bHiddenForPick = false;
  SymbolLists picked = FilterDeviceSymbols(map);
  if (window) window->ShowPickResult(picked.Count(), picked);
  map.SetPickEnded(true);
}

void CParaSetCommand::OnNewPick(const IHostMap& map) {
  // Without an array object there is nothing to pick into: the window stays as it is, so the
  // user is not left with a hidden window and a pick that can never end.
  if (!HasArrayObject()) return;
  map.Selection()->Clear();
  Highlight(map, 0);
  map.UpdateView();
  map.Refresh();
  if (IConfigWindow* window = LiveWindow()) {
    window->Show(false);
    m_bHiddenForPick = true;
  }
  m_array.RemoveAll();

  CString prompt;  // message 21 is not handled: the prompt stays empty
  m_messages.Send(kPromptRequest, PointerParam("?"), PointerParam(&prompt));
  map.SetPrompt(prompt);

  ArmPick(map);
  map.RefreshCursor();
}

void CParaSetCommand::OnEnd(const IHostMap& map) {
  if (HasArrayObject()) {
    Highlight(map, 0);
    m_array.RemoveAll();
    m_array.Release();
  }
  map.Selection()->Clear();
  map.SetCurrentCommand(0, 0);
  map.RefreshCursor();
  map.SetPrompt(kEndPrompt);
  map.UpdateView();
  // Ended during a pick (Escape): the window the pick hid comes back, with its edits, rather
  // than staying out of reach until the library goes.
  if (m_bHiddenForPick) {
    m_bHiddenForPick = false;
    if (IConfigWindow* window = LiveWindow()) window->Show(true);
  }
}
