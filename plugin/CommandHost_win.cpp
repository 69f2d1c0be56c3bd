#include "CommandHost_win.h"

#include "DeviceSymbols.h"
#include "quarnkernel.h"

namespace vjd::host {

namespace {

class CSelectionHost : public command::IHostSelection {
 public:
  explicit CSelectionHost(CPoSelectionDriver driver) : m_driver(std::move(driver)) {}
  int Count() const override { return m_driver.Count(); }
  int Item(int index) const override { return m_driver.Item(index); }
  bool Clear() const override { return m_driver.Clear(); }

 private:
  CPoSelectionDriver m_driver;
};

class CHighlighterHost : public command::IHostHighlighter {
 public:
  explicit CHighlighterHost(CPoHighlighterDriver driver) : m_driver(std::move(driver)) {}
  bool SetHighlight(const int* ids, int count, int mark, int mode) const override {
    return m_driver.SetHighlight(ids, count, mark, mode);
  }
  bool RedrawEntities(const int* ids, int count) const override {
    return m_driver.RedrawEntities(ids, count);
  }

 private:
  CPoHighlighterDriver m_driver;
};

class CCommandStateHost : public command::IHostCommandState {
 public:
  explicit CCommandStateHost(CPoCommandStateDriver driver) : m_driver(std::move(driver)) {}
  bool CanStartCommand() const override { return m_driver.CanStartCommand(); }
  bool IsCommandBlocked(int commandId) const override {
    return m_driver.IsCommandBlocked(commandId);
  }
  bool PrepareCommand() const override { return m_driver.PrepareCommand(); }

 private:
  CPoCommandStateDriver m_driver;
};

}  // namespace

std::unique_ptr<command::IHostSelection> CPoMapHost::Selection() const {
  return std::make_unique<CSelectionHost>(m_map.Selection());
}

std::unique_ptr<command::IHostHighlighter> CPoMapHost::Highlighter() const {
  return std::make_unique<CHighlighterHost>(m_map.Highlighter());
}

std::unique_ptr<command::IHostCommandState> CPoMapHost::CommandState() const {
  return std::make_unique<CCommandStateHost>(m_map.CommandState());
}

bool CPoMapHost::BeginPick(const command::IHostIntArray& array, int a, int b, int c) const {
  return m_map.BeginPick(static_cast<IDispatch*>(array.HostObject()), a, b, c);
}

int CDrawingSymbolsHost::EntityKind(int handle) const {
  return GetEntityKind(handle);
}

int CDrawingSymbolsHost::DeviceSymbols(CArray<int, int>& handles, CArray<int, int>& ids) const {
  return CollectDeviceSymbols(m_map, handles, ids);
}

}  // namespace vjd::host
