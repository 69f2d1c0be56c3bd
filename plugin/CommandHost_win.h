// The command's host interfaces (CommandHost.h) over the host access layer: the map and the
// objects it hands out through their dispatch drivers, the integer array through its driver, and
// the drawing through the kernel's GetEntityKind and VellJDBase's CollectDeviceSymbols.  Each
// adapter owns its driver; the map and the VjdHostMap it came in are the host's, borrowed.
#pragma once

#include "CommandHost.h"
#include "HostContract.h"
#include "POIntArrayDriver.h"
#include "PoMapDriver.h"

namespace vjd::host {

class CPoMapHost : public command::IHostMap {
 public:
  // `map` may be null: every call then does nothing and answers its default.
  explicit CPoMapHost(const VjdHostMap* map) : m_map(map) {}

  std::unique_ptr<command::IHostSelection> Selection() const override;
  std::unique_ptr<command::IHostHighlighter> Highlighter() const override;
  std::unique_ptr<command::IHostCommandState> CommandState() const override;
  bool GetCurrentCommand(int& id, int& state) const override {
    return m_map.GetCurrentCommand(id, state);
  }
  bool SetCurrentCommand(int id, int state) const override {
    return m_map.SetCurrentCommand(id, state);
  }
  bool SetPrompt(const char* text) const override { return m_map.SetPrompt(text); }
  bool SetAction(int action) const override { return m_map.SetAction(action); }
  bool SetPickEnded(bool ended) const override { return m_map.SetPickEnded(ended); }
  bool UpdateView() const override { return m_map.UpdateView(); }
  bool Refresh() const override { return m_map.Refresh(); }
  bool BeginPick(const command::IHostIntArray& array, int a, int b, int c) const override;
  void RefreshCursor() const override { m_map.SendToWindow(WM_SETCURSOR, 0, 0); }
  int EntityHandle(int id) const override { return m_map.EntityHandle(id); }

 private:
  CPoMapDriver m_map;
};

class CIntArrayHost : public command::IHostIntArray {
 public:
  bool IsAttached() const override { return m_array.IsAttached(); }
  bool Create() override { return m_array.Create(); }
  void Release() override { m_array.ReleaseDispatch(); }
  void Forget() override { m_array.DetachDispatch(); }
  int GetSize() const override { return m_array.GetSize(); }
  bool SetSize(int size, int growBy) const override { return m_array.SetSize(size, growBy); }
  bool RemoveAll() const override { return m_array.RemoveAll(); }
  int GetAt(int index) const override { return m_array.GetAt(index); }
  bool SetAt(int index, int value) const override { return m_array.SetAt(index, value); }
  const int* GetData() const override { return m_array.GetData(); }
  void* HostObject() const override { return m_array.GetDispatch(); }

 private:
  CPOIntArrayDriver m_array;
};

// The drawing of the map attached at the moment of each call (`map` is where the library keeps
// it).
class CDrawingSymbolsHost : public command::IDrawingSymbols {
 public:
  explicit CDrawingSymbolsHost(const VjdHostMap* const& map) : m_map(map) {}
  int EntityKind(int handle) const override;
  int DeviceSymbols(CArray<int, int>& handles, CArray<int, int>& ids) const override;

 private:
  const VjdHostMap* const& m_map;
};

}  // namespace vjd::host
