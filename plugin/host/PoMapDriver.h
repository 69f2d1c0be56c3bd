// Drivers of the host's map control (PoMap), the one way the plug-in talks to the drawing, and of
// the small objects it hands out (selection, command state, highlighter).  The map driver
// borrows the VjdHostMap the host handed to AttachPoMap (no reference is added or released) and
// returns the objects the map hands out as owning drivers, released when they go out of scope.
//
// Defaults when the map is missing or a call fails: GetCurrentCommand false with id 0 and state 0
// (no command), Scale 1.0, EntityHandle 0 (no entity), BeginOperation 0, object getters an empty
// driver; setters and methods then do nothing and return false.
#pragma once

#include "DeviceDataDriver.h"
#include "DispatchDriver.h"
#include "HostContract.h"
#include "POIntArrayDriver.h"

namespace vjd::host {

// Driver of the host's selection set (PoSelection), handed out by the map and released with the
// driver.  Defaults when a call fails: Count 0, Item 0 (no entity has id 0).
class CPoSelectionDriver : public CDispatchDriver {
 public:
  using CDispatchDriver::CDispatchDriver;
  int Count() const;
  bool Clear() const;
  int Item(int index) const;
};

// Driver of the host's command-state object (PoCommandState), handed out by the map for the
// duration of one launch.  A failing call refuses the launch: CanStartCommand defaults to FALSE,
// IsCommandBlocked to TRUE.
class CPoCommandStateDriver : public CDispatchDriver {
 public:
  using CDispatchDriver::CDispatchDriver;
  bool PrepareCommand() const;
  BOOL IsCommandBlocked(int commandId) const;
  BOOL CanStartCommand() const;
};

// Driver of the host's highlighter (PoHighlighter), handed out by the map and released with the
// driver.  (1, 1) marks the listed entities, (0, 0) unmarks them; a failing call does nothing.
class CPoHighlighterDriver : public CDispatchDriver {
 public:
  using CDispatchDriver::CDispatchDriver;
  bool SetHighlight(const int* ids, int count, int mark, int mode) const;
  bool RedrawEntities(const int* ids, int count) const;
};

class CPoMapDriver : public CDispatchDriver {
 public:
  explicit CPoMapDriver(const VjdHostMap* map)
      : CDispatchDriver(map ? map->pDispatch : nullptr, false), m_hWnd(map ? map->hWnd : nullptr) {}

  HWND GetWindow() const { return m_hWnd; }
  // SendMessage to the map window; 0 without a window.
  LRESULT SendToWindow(UINT message, WPARAM wParam, LPARAM lParam) const;

  CPoSelectionDriver Selection() const;
  bool SetAction(int action) const;
  CDeviceDataDriver DeviceData() const;
  double Scale() const;
  bool SetChangedFlag(bool changed) const;
  CPoCommandStateDriver CommandState() const;
  bool SetPickEnded(bool ended) const;
  CPoHighlighterDriver Highlighter() const;
  bool GetCurrentCommand(int& id, int& state) const;
  bool SetCurrentCommand(int id, int state) const;
  int BeginOperation(const char* text) const;
  bool UpdateEntities(const int* ids, int count) const;
  bool UpdateView() const;
  // Arms a pick into `array` (the host appends the picked ids and reports the steps).
  bool BeginPick(IDispatch* array, int a, int b, int c) const;
  bool SetPrompt(const char* text) const;
  bool RecordEntity(int handle) const;
  int EntityHandle(int id) const;
  bool Refresh() const;

 private:
  IDispatch* GetMapObject(DISPID dispid) const;
  HWND m_hWnd;
};

}  // namespace vjd::host
