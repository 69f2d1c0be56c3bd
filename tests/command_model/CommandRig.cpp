#include "CommandRig.h"

#include <gtest/gtest.h>

#include "quarnkernel.h"

namespace command_test {

namespace {

// The ids as the host reads them: it would read through null where ids are promised at no
// address.
std::string List(const int* ids, int count) {
  if (!ids && count > 0) {
    ADD_FAILURE() << count << " ids promised at no address";
    return "[null]";
  }
  std::string text = "[";
  for (int i = 0; i < count; ++i) text += (i ? "," : "") + std::to_string(ids[i]);
  return text + "]";
}

Ids Items(const CArray<int, int>& list) {
  return Ids(list.GetData(), list.GetData() + list.GetSize());
}

bool IsDeviceSymbol(int kind) {
  return kind == QK_KIND_DEVICE_SYMBOL || kind == QK_KIND_DEVICE_SYMBOL_ALT;
}

// What the map hands out: its selection, highlighter and command-state object, one at a time,
// each logged under its own name.  A map that hands out no command state gives an object whose
// calls all fail.
struct FakeMapObject : IHostSelection, IHostHighlighter, IHostCommandState {
  FakeMapObject(const FakeMap& map, CallLog& log) : map(map), log(log) { ++map.objectsHeld; }
  ~FakeMapObject() override { --map.objectsHeld; }

  int Count() const override {
    log.Add("Selection", "Count");
    return static_cast<int>(map.selection.size());
  }
  int Item(int index) const override {
    log.Add("Selection", "Item", Args({index}));
    return map.selection.at(static_cast<size_t>(index));
  }
  bool Clear() const override {
    map.selection.clear();
    return log.Add("Selection", "Clear");
  }

  bool SetHighlight(const int* ids, int count, int mark, int mode) const override {
    for (int i = 0; ids && i < count; ++i) {
      if (mark)
        map.highlighted.insert(ids[i]);
      else
        map.highlighted.erase(ids[i]);
    }
    return log.Add("Highlighter", "SetHighlight",
                   List(ids, count) + "," + Args({count, mark, mode}));
  }
  bool RedrawEntities(const int* ids, int count) const override {
    return log.Add("Highlighter", "RedrawEntities", List(ids, count) + "," + Args({count}));
  }

  bool CanStartCommand() const override { return Log("CanStartCommand") && map.canStartCommand; }
  bool IsCommandBlocked(int id) const override {
    return !Log("IsCommandBlocked", Args({id})) || map.blockedCommands.count(id) > 0;
  }
  bool PrepareCommand() const override {
    map.prepareCalls += map.noCommandState ? 0 : 1;
    return Log("PrepareCommand");
  }
  bool Log(const char* member, const std::string& args = "") const {
    return !map.noCommandState && log.Add("CommandState", member, args);
  }

  const FakeMap& map;
  CallLog& log;
};

struct FakeWindowView : IConfigWindow {
  explicit FakeWindowView(std::shared_ptr<FakeWindow> window) : window(std::move(window)) {}
  bool IsAlive() const override { return window->alive; }
  void Show(bool visible) override { window->visible = visible; }
  void ShowPickResult(int count, const SymbolLists& picked) override {
    window->shownCount = count;
    window->shownHandles = Items(picked.handles);
    window->shownIds = Items(picked.ids);
  }
  void Destroy() override {
    ++window->destroyed;
    window->alive = false;
  }
  std::shared_ptr<FakeWindow> window;
};

}  // namespace

std::string Args(std::initializer_list<int> values) {
  std::string text;
  for (int value : values) text += (text.empty() ? "" : ",") + std::to_string(value);
  return text;
}

bool CallLog::Add(const std::string& object, const std::string& member, const std::string& args) {
  lines.push_back(object + "." + member + "(" + args + ")");
  return true;
}

int CallLog::Count(const std::string& line) const {
  int n = 0;
  for (const std::string& l : lines) n += l == line;
  return n;
}

bool CallLog::InOrder(const Lines& expected) const {
  size_t at = 0;
  for (const std::string& line : expected) {
    while (at < lines.size() && lines[at] != line) ++at;
    if (at++ == lines.size()) return false;
  }
  return true;
}

bool CallLog::Has(const std::string& prefix) const {
  for (const std::string& line : lines)
    if (line.rfind(prefix, 0) == 0) return true;
  return false;
}

Lines CallLog::BeyondGate() const {
  Lines beyond;
  for (const std::string& line : lines)
    if (line != "Map.GetCurrentCommand()") beyond.push_back(line);
  return beyond;
}

bool FakeIntArray::Create() {
  if (failCreate) return false;
  attached = true;
  values.clear();
  ++created;
  return m_log.Add("IntArray", "Create");
}

bool FakeIntArray::SetSize(int size, int growBy) const {
  if (Log("SetSize", Args({size, growBy}))) values.resize(static_cast<size_t>(size), 0);
  return attached;
}

int FakeIntArray::GetAt(int index) const {
  return Log("GetAt", Args({index})) ? values.at(static_cast<size_t>(index)) : 0;
}

bool FakeIntArray::SetAt(int index, int value) const {
  if (Log("SetAt", Args({index, value}))) values.at(static_cast<size_t>(index)) = value;
  return attached;
}

const int* FakeIntArray::GetData() const {
  if (!attached || failGetData) return nullptr;
  Log("GetData");
  return values.empty() ? nullptr : values.data();
}

std::unique_ptr<IHostSelection> FakeMap::Selection() const {
  Log("Selection");
  return std::make_unique<FakeMapObject>(*this, m_log);
}

std::unique_ptr<IHostHighlighter> FakeMap::Highlighter() const {
  Log("Highlighter");
  return std::make_unique<FakeMapObject>(*this, m_log);
}

std::unique_ptr<IHostCommandState> FakeMap::CommandState() const {
  if (!noCommandState) Log("CommandState");
  return std::make_unique<FakeMapObject>(*this, m_log);
}

bool FakeMap::SetCurrentCommand(int id, int state) const {
  if (failSetCurrentCommand) return false;
  ++setCalls;
  if (!keepCurrentCommand) {
    currentCommand = id;
    commandState = state;
  }
  return Log("SetCurrentCommand", Args({id, state}));
}

bool FakeMap::BeginPick(const IHostIntArray& array, int a, int b, int c) const {
  pickArray = array.HostObject();
  pickEnded = false;
  return Log("BeginPick", (pickArray ? "IntArray," : "null,") + Args({a, b, c}) + ",null");
}

int FakeMap::EntityHandle(int id) const {
  Log("EntityHandle", Args({id}));
  for (size_t i = 0; i < m_ids.size(); ++i)
    if (m_ids[i] == id) return 1000 + static_cast<int>(i);
  return 0;
}

int FakeMap::EntityKind(int handle) const {
  size_t index = static_cast<size_t>(handle - 1000);
  return handle >= 1000 && index < m_kinds.size() ? m_kinds[index] : QK_KIND_NONE;
}

int FakeMap::DeviceSymbols(CArray<int, int>& handles, CArray<int, int>& ids) const {
  m_log.Add("Drawing", "DeviceSymbols");
  handles.RemoveAll();
  ids.RemoveAll();
  for (size_t i = 0; i < m_ids.size(); ++i) {
    if (!IsDeviceSymbol(m_kinds[i])) continue;
    handles.Add(1000 + static_cast<int>(i));
    ids.Add(m_ids[i]);
  }
  return ids.GetSize();
}

int FakeMap::AddEntity(int id, int kind) {
  m_ids.push_back(id);
  m_kinds.push_back(kind);
  return 1000 + static_cast<int>(m_ids.size()) - 1;
}

std::unique_ptr<IResourceScope> FakeWindows::OwnResources() {
  struct Scope : IResourceScope {
    explicit Scope(CallLog& log) : log(log) { log.Add("Resources", "Own"); }
    ~Scope() override { log.Add("Resources", "Restore"); }
    CallLog& log;
  };
  return std::make_unique<Scope>(m_log);
}

std::unique_ptr<IConfigWindow> FakeWindows::Open(const SymbolLists& selected,
                                                 const SymbolLists& all) {
  m_log.Add("Windows", "Open");
  auto window = std::make_shared<FakeWindow>();
  window->selHandles = Items(selected.handles);
  window->selIds = Items(selected.ids);
  window->allHandles = Items(all.handles);
  window->allIds = Items(all.ids);
  opened.push_back(window);
  return std::make_unique<FakeWindowView>(window);
}

void CommandRig::MouseStatus(int code, int p1, int p2) {
  int state = 0;
  if (PassesGate(mapAttached ? &map : nullptr, commandId, state))
    command.OnMessage(map, code, p1, p2, state);
}

int CommandRig::LaunchCommand() {
  return Launch(mapAttached ? &map : nullptr, commandId, action, "<标注配置/paraset/ps>", *this);
}

FakeWindow* CommandRig::Start(const Ids& ids) {
  map.selection = ids;
  MouseStatus(kStart, 0, 0);
  log.lines.clear();
  return windows.Newest();
}

bool CommandRig::Pick(int id) {
  if (!map.pickArray || !array.attached) return false;
  array.values.push_back(id);
  return true;
}

}  // namespace command_test
