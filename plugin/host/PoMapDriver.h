// Driver of the host's map control (PoMap): the one way the plug-in talks to the drawing.  It
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
#include "PoCommandStateDriver.h"
#include "PoHighlighterDriver.h"
#include "PoSelectionDriver.h"

namespace vjd::host {

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
