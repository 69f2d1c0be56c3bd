// The command and its launch over a fake host: a map over an in-memory drawing that writes the
// call log the stand-in object model writes (om::CallLog: "Map.SetPrompt(\"...\")",
// "Selection.Clear()", "IntArray.SetSize(3,-1)", ...), an integer array that can fail to be made or
// to give its address, configuration windows that record what they were handed, and MouseStatus
// as the plug-in runs it: the gate first, then the command.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "CallLog.h"
#include "CommandGate.h"
#include "CommandMessages.h"
#include "ParaSetCommand.h"
#include "quarnkernel.h"

namespace command_test {

using Lines = std::vector<std::string>;
using Ids = std::vector<int>;
using om::CallLog;
using namespace vjd::command;

// "member(1,2)" under `object` in `log`; true, for the fakes' answers.
template <typename... Ints>
bool Logged(CallLog& log, const char* object, const char* member, Ints... ints) {
  return log.Add(object, member, CallLog::Ints({static_cast<int>(ints)...}));
}

// Its calls reach the host (and the log) only while it holds an object.
class FakeIntArray : public IHostIntArray {
 public:
  explicit FakeIntArray(CallLog& log) : m_log(log) {}
  bool IsAttached() const override { return attached; }
  bool Create() override {
    if (failCreate) return false;
    values.clear();
    ++created;
    return attached = Logged(m_log, "IntArray", "Create");
  }
  void Release() override { released += attached ? 1 : 0, attached = false; }
  void Forget() override { attached = false; }
  int GetSize() const override { return Log("GetSize") ? static_cast<int>(values.size()) : 0; }
  bool SetSize(int size, int growBy) const override {
    if (Log("SetSize", size, growBy)) values.resize(static_cast<size_t>(size));
    return attached;
  }
  bool RemoveAll() const override {
    if (Log("RemoveAll")) values.clear();
    return attached;
  }
  int GetAt(int index) const override { return Log("GetAt", index) ? values.at(index) : 0; }
  bool SetAt(int index, int value) const override {
    if (Log("SetAt", index, value)) values.at(static_cast<size_t>(index)) = value;
    return attached;
  }
  const int* GetData() const override {
    return failGetData || !Log("GetData") || values.empty() ? nullptr : values.data();
  }
  void* HostObject() const override { return attached ? &values : nullptr; }

  bool attached = false;
  bool failCreate = false;   // the host makes no array object
  bool failGetData = false;  // the host gives no address of the ids
  int created = 0, released = 0;
  mutable Ids values;

 private:
  template <typename... Ints>
  bool Log(const char* member, Ints... ints) const {
    return attached && Logged(m_log, "IntArray", member, ints...);
  }
  CallLog& m_log;
};

class FakeMap : public IHostMap, public IDrawingSymbols {
 public:
  explicit FakeMap(CallLog& log) : m_log(log) {}

  std::unique_ptr<IHostSelection> Selection() const override;
  std::unique_ptr<IHostHighlighter> Highlighter() const override;
  std::unique_ptr<IHostCommandState> CommandState() const override;
  bool GetCurrentCommand(int& id, int& state) const override {
    const bool answers = !(silentAfterSet && setCalls > 0);
    id = answers ? currentCommand : 0, state = answers ? commandState : 0;
    return Log("GetCurrentCommand") && answers;
  }
  bool SetCurrentCommand(int id, int state) const override {
    if (failSetCurrentCommand) return false;
    ++setCalls;
    if (!keepCurrentCommand) currentCommand = id, commandState = state;
    return Log("SetCurrentCommand", id, state);
  }
  bool SetPrompt(const char* text) const override {
    prompts.push_back(text);
    return m_log.Add("Map", "SetPrompt", "\"" + prompts.back() + "\"");
  }
  bool SetAction(int value) const override { return Log("Action", action = value); }
  bool SetPickEnded(bool ended) const override { return Log("PickEnded", pickEnded = ended); }
  bool UpdateView() const override { return Log("UpdateView"); }
  bool Refresh() const override { return Log("Refresh"); }
  bool BeginPick(const IHostIntArray& array, int a, int b, int c) const override {
    pickArray = array.HostObject();
    pickEnded = false;
    const std::string args = CallLog::Ints({a, b, c});
    return m_log.Add("Map", "BeginPick", (pickArray ? "IntArray," : "null,") + args + ",null");
  }
  void RefreshCursor() const override { ++cursorRefreshes; }
  int EntityHandle(int id) const override {
    Log("EntityHandle", id);
    for (size_t i = 0; i < m_ids.size(); ++i)
      if (m_ids[i] == id) return 1000 + static_cast<int>(i);
    return 0;
  }
  int EntityKind(int handle) const override {
    const size_t index = static_cast<size_t>(handle - 1000);
    return handle >= 1000 && index < m_kinds.size() ? m_kinds[index] : QK_KIND_NONE;
  }
  int DeviceSymbols(CArray<int, int>& handles, CArray<int, int>& ids) const override;

  // A kernel entity of `kind` with id `id`; returns its handle (1000 and up).
  int AddEntity(int id, int kind) {
    m_ids.push_back(id), m_kinds.push_back(kind);
    return 1000 + static_cast<int>(m_ids.size()) - 1;
  }

  // The drawing, read and set by the cases.
  mutable Ids selection;
  mutable int currentCommand = 0, commandState = 0, action = 0;
  mutable bool pickEnded = false;
  mutable const void* pickArray = nullptr;  // the armed pick's array; null: none armed
  mutable std::set<int> highlighted;
  mutable Lines prompts;
  mutable int prepareCalls = 0, cursorRefreshes = 0, setCalls = 0;
  mutable int objectsHeld = 0;  // selections, highlighters and command states not given back
  bool canStartCommand = true, keepCurrentCommand = false;
  bool noCommandState = false, failSetCurrentCommand = false;
  bool silentAfterSet = false;  // once SetCurrentCommand took a call, GetCurrentCommand fails
  std::set<int> blockedCommands;

 private:
  template <typename... Ints>
  bool Log(const char* member, Ints... ints) const {
    return Logged(m_log, "Map", member, ints...);
  }
  CallLog& m_log;
  Ids m_ids, m_kinds;  // entity i: id, kind; its handle is 1000 + i
};

// One configuration window as the command left it.
struct FakeWindow {
  bool alive = true, visible = true;
  Ids selHandles, selIds, allHandles, allIds;
  int shownCount = -1;  // the last pick result: its count (-1: none shown) and lists
  Ids shownHandles, shownIds;
  int destroyed = 0, broughtToFront = 0;
  ICommandSink* requests = nullptr;  // where the window's "选择实体" and leaving go
};

// Logs "Resources.Own()" and "Resources.Restore()" around the library's resource context, and
// "Windows.Open()".
struct FakeWindows : IConfigWindows {
  explicit FakeWindows(CallLog& log) : m_log(log) {}
  std::unique_ptr<IResourceScope> OwnResources() override;
  std::unique_ptr<IConfigWindow> Open(const SymbolLists& selected, const SymbolLists& all,
                                      ICommandSink& requests) override;
  FakeWindow* Newest() { return opened.empty() ? nullptr : opened.back().get(); }
  std::vector<std::shared_ptr<FakeWindow>> opened;

 private:
  CallLog& m_log;
};

// The plug-in with its host: MouseStatus and LaunchCommand as the exports run them.
class CommandRig : public vjd::command::ICommandSink {
 public:
  static constexpr int kCommandId = 4711;
  static constexpr int kOtherCommandId = 4712;

  CommandRig() { map.currentCommand = kCommandId; }
  void MouseStatus(int code, int p1, int p2) {
    int state = 0;
    if (PassesGate(mapAttached ? &map : nullptr, commandId, state))
      command.OnMessage(map, code, p1, p2, state);
  }
  int LaunchCommand() {
    bool running = false;
    if (Launch(mapAttached ? &map : nullptr, commandId, action, "<标注配置/paraset/ps>", *this,
               &running))
      return 1;
    if (running) command.OnLaunchWhileRunning();
    return 0;
  }
  void Send(int code, int p1, int p2) override { MouseStatus(code, p1, p2); }
  // The user's requests from a window (by default the newest): "选择实体", and leaving (the
  // command is told first, then the window goes).
  void PressPick(FakeWindow* window = nullptr) {
    if (!window) window = windows.Newest();
    if (window && window->requests) window->requests->Send(kFromWindow, 0, kWindowPicks);
  }
  void Leave(FakeWindow& window) {
    if (window.requests) window.requests->Send(kFromWindow, 0, kWindowLeaves);
    window.alive = false;
  }
  // Starts the command with this selection and forgets the log of the start.
  FakeWindow* Start(const Ids& selection) {
    map.selection = selection;
    MouseStatus(kStart, 0, 0);
    log.Clear();
    return windows.Newest();
  }
  // What the host does for each entity the user picks; false when no pick is armed.
  bool Pick(int id) {
    if (!map.pickArray || !array.attached) return false;
    array.values.push_back(id);
    return true;
  }
  // Every line but the gate's question: what the command itself did.
  Lines BeyondGate() const { return log.Without("Map.GetCurrentCommand()"); }

  CallLog log;
  FakeMap map{log};
  FakeIntArray array{log};
  FakeWindows windows{log};
  CParaSetCommand command{array, map, windows, *this};
  bool mapAttached = true;
  int commandId = kCommandId;
  int action = 3;
};

}  // namespace command_test
