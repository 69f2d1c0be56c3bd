// The command and its launch over a fake host: a map over an in-memory drawing that writes the
// call log the stand-in object model writes ("Map.SetPrompt(\"...\")", "Selection.Clear()",
// "IntArray.SetSize(3,-1)", ...), an integer array that can fail to be made or to give its
// address, configuration windows that record what they were handed, and MouseStatus as the
// plug-in runs it: the gate first, then the command.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "CommandGate.h"
#include "CommandMessages.h"
#include "ParaSetCommand.h"

namespace command_test {

using Lines = std::vector<std::string>;
using Ids = std::vector<int>;
using namespace vjd::command;

struct CallLog {
  // Adds "Object.member(args)"; true, for the fakes' results.
  bool Add(const std::string& object, const std::string& member, const std::string& args = "");
  int Count(const std::string& line) const;
  // True when `expected` appear in this order (others may stand between them).
  bool InOrder(const Lines& expected) const;
  bool Has(const std::string& prefix) const;
  // Every line but the gate's question: what the command itself did.
  Lines BeyondGate() const;
  Lines lines;
};

std::string Args(std::initializer_list<int> values);

class FakeIntArray : public IHostIntArray {
 public:
  explicit FakeIntArray(CallLog& log) : m_log(log) {}
  bool IsAttached() const override { return attached; }
  bool Create() override;
  void Release() override {
    if (attached) ++released;
    attached = false;
  }
  void Forget() override { attached = false; }
  int GetSize() const override { return Log("GetSize") ? static_cast<int>(values.size()) : 0; }
  bool SetSize(int size, int growBy) const override;
  bool RemoveAll() const override {
    if (Log("RemoveAll")) values.clear();
    return attached;
  }
  int GetAt(int index) const override;
  bool SetAt(int index, int value) const override;
  const int* GetData() const override;
  void* HostObject() const override { return attached ? &values : nullptr; }

  bool attached = false;
  bool failCreate = false;   // the host makes no array object
  bool failGetData = false;  // the host gives no address of the ids
  int created = 0, released = 0;
  mutable Ids values;

 private:
  // Logs the member when an object is held; false (and nothing reaches the host) when none is.
  bool Log(const char* member, const std::string& args = "") const {
    return attached && m_log.Add("IntArray", member, args);
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
    id = answers ? currentCommand : 0;
    state = answers ? commandState : 0;
    return Log("GetCurrentCommand") && answers;
  }
  bool SetCurrentCommand(int id, int state) const override;
  bool SetPrompt(const char* text) const override {
    prompts.push_back(text);
    return Log("SetPrompt", "\"" + prompts.back() + "\"");
  }
  bool SetAction(int value) const override {
    action = value;
    return Log("Action", Args({value}));
  }
  bool SetPickEnded(bool ended) const override {
    pickEnded = ended;
    return Log("PickEnded", Args({ended}));
  }
  bool UpdateView() const override { return Log("UpdateView"); }
  bool Refresh() const override { return Log("Refresh"); }
  bool BeginPick(const IHostIntArray& array, int a, int b, int c) const override;
  void RefreshCursor() const override { ++cursorRefreshes; }
  int EntityHandle(int id) const override;

  int EntityKind(int handle) const override;
  int DeviceSymbols(CArray<int, int>& handles, CArray<int, int>& ids) const override;

  // A kernel entity of `kind` with id `id`; returns its handle (1000 and up).
  int AddEntity(int id, int kind);

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
  bool Log(const char* member, const std::string& args = "") const {
    return m_log.Add("Map", member, args);
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
  int destroyed = 0;
};

// Logs "Resources.Own()" and "Resources.Restore()" around the library's resource context, and
// "Windows.Open()".
struct FakeWindows : IConfigWindows {
  explicit FakeWindows(CallLog& log) : m_log(log) {}
  std::unique_ptr<IResourceScope> OwnResources() override;
  std::unique_ptr<IConfigWindow> Open(const SymbolLists& selected, const SymbolLists& all) override;
  FakeWindow* Newest() { return opened.empty() ? nullptr : opened.back().get(); }
  std::vector<std::shared_ptr<FakeWindow>> opened;

 private:
  CallLog& m_log;
};

// The plug-in with its host: MouseStatus and LaunchCommand as the exports run them.
class CommandRig : public ICommandSink {
 public:
  static constexpr int kCommandId = 4711;
  static constexpr int kOtherCommandId = 4712;

  CommandRig() { map.currentCommand = kCommandId; }
  void MouseStatus(int code, int p1, int p2);
  int LaunchCommand();
  void Send(int code, int p1, int p2) override { MouseStatus(code, p1, p2); }
  // The user's requests from a window: "选择实体", and leaving (the command is told first).
  void PressPick() { Send(kFromWindow, 0, kWindowPicks); }
  void Leave(FakeWindow& window) {
    Send(kFromWindow, 0, kWindowLeaves);
    window.alive = false;
  }
  // Starts the command with this selection and forgets the log of the start.
  FakeWindow* Start(const Ids& selection);
  // What the host does for each entity the user picks; false when no pick is armed.
  bool Pick(int id);

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
