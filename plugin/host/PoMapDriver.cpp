#include "PoMapDriver.h"

namespace vjd::host {

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
  int result = 0;
  if (!CallInt(DispidMapBeginOperation, DISPATCH_METHOD, &arg, 1, result)) result = 0;
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
  int handle = 0;
  return CallInt(DispidMapEntityHandle, DISPATCH_PROPERTYGET, &arg, 1, handle) ? handle : 0;
}

bool CPoMapDriver::Refresh() const {
  return CallVoid(DispidMapRefresh, DISPATCH_METHOD);
}

}  // namespace vjd::host
