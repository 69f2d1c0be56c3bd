#include "CommandRig.h"

#include <gtest/gtest.h>

namespace command_test {

namespace {

// The ids as the host reads them: it would read through null where ids are promised at no
// address.
std::string List(const int* ids, int count) {
  if (!ids && count > 0) ADD_FAILURE() << count << " ids promised at no address";
  return CallLog::List(ids, count);
}

Ids Items(const CArray<int, int>& list) {
  return Ids(list.GetData(), list.GetData() + list.GetSize());
}

struct FakeWindowView : IConfigWindow {
  explicit FakeWindowView(std::shared_ptr<FakeWindow> window) : window(std::move(window)) {}
  bool IsAlive() const override { return window->alive; }
  void Show(bool visible) override { window->visible = visible; }
  void ShowPickResult(int count, const SymbolLists& picked) override {
    window->shownCount = count;
    window->shownHandles = Items(picked.handles);
    window->shownIds = Items(picked.ids);
  }
  void Destroy() override { ++window->destroyed, window->alive = false; }
  void BringToFront() override { ++window->broughtToFront; }
  std::shared_ptr<FakeWindow> window;
};

// What the map hands out: its selection, highlighter and command-state object, one at a time,
// each logged under its own name.  A map that hands out no command state gives an object whose
// calls all fail.
struct FakeMapObject : IHostSelection, IHostHighlighter, IHostCommandState {
  FakeMapObject(const FakeMap& map, CallLog& log) : map(map), log(log) { ++map.objectsHeld; }
  ~FakeMapObject() override { --map.objectsHeld; }

  int Count() const override {
    return Logged(log, "Selection", "Count") ? static_cast<int>(map.selection.size()) : 0;
  }
  int Item(int index) const override {
    return Logged(log, "Selection", "Item", index) ? map.selection.at(index) : 0;
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
                   List(ids, count) + "," + CallLog::Ints({count, mark, mode}));
  }
  bool RedrawEntities(const int* ids, int count) const override {
    return log.Add("Highlighter", "RedrawEntities",
                   List(ids, count) + "," + CallLog::Ints({count}));
  }

  bool CanStartCommand() const override { return Log("CanStartCommand") && map.canStartCommand; }
  bool IsCommandBlocked(int id) const override {
    return !Log("IsCommandBlocked", CallLog::Ints({id})) || map.blockedCommands.count(id) > 0;
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

}  // namespace

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

int FakeMap::DeviceSymbols(CArray<int, int>& handles, CArray<int, int>& ids) const {
  m_log.Add("Drawing", "DeviceSymbols");
  handles.RemoveAll();
  ids.RemoveAll();
  for (size_t i = 0; i < m_ids.size(); ++i) {
    if (m_kinds[i] == QK_KIND_DEVICE_SYMBOL || m_kinds[i] == QK_KIND_DEVICE_SYMBOL_ALT)
      handles.Add(1000 + static_cast<int>(i)), ids.Add(m_ids[i]);
  }
  return ids.GetSize();
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
                                                 const SymbolLists& all, ICommandSink& requests) {
  m_log.Add("Windows", "Open");
  auto window = std::make_shared<FakeWindow>();
  window->requests = &requests;
  window->selHandles = Items(selected.handles);
  window->selIds = Items(selected.ids);
  window->allHandles = Items(all.handles);
  window->allIds = Items(all.ids);
  opened.push_back(window);
  return std::make_unique<FakeWindowView>(window);
}

}  // namespace command_test
