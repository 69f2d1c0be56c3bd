#include "PoMapDriver.h"

#include "HostContract.h"

namespace vjd::host {

int CPoSelectionDriver::Count() const {
  return IntOr(0, DispidSelectionCount, DISPATCH_PROPERTYGET);
}

bool CPoSelectionDriver::Clear() const {
  return CallVoid(DispidSelectionClear, DISPATCH_METHOD);
}

int CPoSelectionDriver::Item(int index) const {
  VARIANT arg = MakeInt(index);
  return IntOr(0, DispidSelectionItem, DISPATCH_METHOD, &arg, 1);
}

bool CPoCommandStateDriver::PrepareCommand() const {
  return CallVoid(DispidCommandStatePrepareCommand, DISPATCH_METHOD);
}

BOOL CPoCommandStateDriver::IsCommandBlocked(int commandId) const {
  VARIANT arg = MakeInt(commandId);
  return IntOr(TRUE, DispidCommandStateIsCommandBlocked, DISPATCH_METHOD, &arg, 1);
}

BOOL CPoCommandStateDriver::CanStartCommand() const {
  return IntOr(FALSE, DispidCommandStateCanStartCommand, DISPATCH_METHOD);
}

bool CPoHighlighterDriver::SetHighlight(const int* ids, int count, int mark, int mode) const {
  VARIANT args[4] = {MakeIntRef(const_cast<int*>(ids)), MakeInt(count), MakeInt(mark),
                     MakeInt(mode)};
  return CallVoid(DispidHighlighterSetHighlight, DISPATCH_METHOD, args, 4);
}

bool CPoHighlighterDriver::RedrawEntities(const int* ids, int count) const {
  VARIANT args[2] = {MakeIntRef(const_cast<int*>(ids)), MakeInt(count)};
  return CallVoid(DispidHighlighterRedrawEntities, DISPATCH_METHOD, args, 2);
}

LRESULT CPoMapDriver::SendToWindow(UINT message, WPARAM wParam, LPARAM lParam) const {
  return m_hWnd ? SendMessageA(m_hWnd, message, wParam, lParam) : 0;
}

IDispatch* CPoMapDriver::GetMapObject(DISPID dispid) const {
  IDispatch* object = nullptr;
  return CallDispatch(dispid, DISPATCH_PROPERTYGET, nullptr, 0, object) ? object : nullptr;
}

CPoSelectionDriver CPoMapDriver::Selection() const {
  return CPoSelectionDriver(GetMapObject(DispidMapSelection), true);
}

bool CPoMapDriver::SetAction(int action) const {
  return PutProperty(DispidMapAction, MakeInt(action));
}

CDeviceDataDriver CPoMapDriver::DeviceData() const {
  return CDeviceDataDriver(GetMapObject(DispidMapDeviceData), true);
}

double CPoMapDriver::Scale() const {
  double scale = 1.0;
  return CallDouble(DispidMapScale, DISPATCH_PROPERTYGET, nullptr, 0, scale) ? scale : 1.0;
}

bool CPoMapDriver::SetChangedFlag(bool changed) const {
  return PutProperty(DispidMapChangedFlag, MakeBool(changed));
}

CPoCommandStateDriver CPoMapDriver::CommandState() const {
  return CPoCommandStateDriver(GetMapObject(DispidMapCommandState), true);
}

bool CPoMapDriver::SetPickEnded(bool ended) const {
  return PutProperty(DispidMapPickEnded, MakeBool(ended));
}

CPoHighlighterDriver CPoMapDriver::Highlighter() const {
  return CPoHighlighterDriver(GetMapObject(DispidMapHighlighter), true);
}

bool CPoMapDriver::GetCurrentCommand(int& id, int& state) const {
  int outId = 0, outState = 0;
  VARIANT args[2] = {MakeIntRef(&outId), MakeIntRef(&outState)};
  bool ok = CallVoid(DispidMapGetCurrentCommand, DISPATCH_METHOD, args, 2);
  id = ok ? outId : 0;
  state = ok ? outState : 0;
  return ok;
}

bool CPoMapDriver::SetCurrentCommand(int id, int state) const {
  VARIANT args[2] = {MakeInt(id), MakeInt(state)};
  return CallVoid(DispidMapSetCurrentCommand, DISPATCH_METHOD, args, 2);
}

int CPoMapDriver::BeginOperation(const char* text) const {
  VARIANT arg = MakeText(text);
  const int result = IntOr(0, DispidMapBeginOperation, DISPATCH_METHOD, &arg, 1);
  VariantClear(&arg);
  return result;
}

bool CPoMapDriver::UpdateEntities(const int* ids, int count) const {
  VARIANT args[3] = {MakeIntRef(const_cast<int*>(ids)), MakeInt(count), MakeInt(0)};
  return CallVoid(DispidMapUpdateEntities, DISPATCH_METHOD, args, 3);
}

bool CPoMapDriver::UpdateView() const {
  return CallVoid(DispidMapUpdateView, DISPATCH_METHOD);
}

bool CPoMapDriver::BeginPick(IDispatch* array, int a, int b, int c) const {
  VARIANT args[5] = {MakeDispatch(array), MakeInt(a), MakeInt(b), MakeInt(c),
                     MakeDispatch(nullptr)};
  return CallVoid(DispidMapBeginPick, DISPATCH_METHOD, args, 5);
}

bool CPoMapDriver::SetPrompt(const char* text) const {
  VARIANT arg = MakeText(text);
  bool ok = CallVoid(DispidMapSetPrompt, DISPATCH_METHOD, &arg, 1);
  VariantClear(&arg);
  return ok;
}

bool CPoMapDriver::RecordEntity(int handle) const {
  VARIANT arg = MakeInt(handle);
  return CallVoid(DispidMapRecordEntity, DISPATCH_METHOD, &arg, 1);
}

int CPoMapDriver::EntityHandle(int id) const {
  VARIANT arg = MakeInt(id);
  return IntOr(0, DispidMapEntityHandle, DISPATCH_PROPERTYGET, &arg, 1);
}

bool CPoMapDriver::Refresh() const {
  return CallVoid(DispidMapRefresh, DISPATCH_METHOD);
}

}  // namespace vjd::host
