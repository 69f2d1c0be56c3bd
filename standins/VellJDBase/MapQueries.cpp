#include "MapQueries.h"

#include "DeviceSymbols.h"
#include "HostContract.h"

namespace jdbase {

MapQueries::MapQueries(const VjdHostMap* map) : m_pMap(map ? map->pDispatch : nullptr) {}

bool MapQueries::Get(DISPID dispid, const int* index, VARTYPE type, VARIANT& result) const {
  VariantInit(&result);
  if (m_pMap == nullptr) return false;
  VARIANT arg;
  VariantInit(&arg);
  DISPPARAMS params = {nullptr, nullptr, 0, 0};
  if (index != nullptr) {
    arg.vt = VT_I4;
    arg.lVal = *index;
    params.rgvarg = &arg;
    params.cArgs = 1;
  }
  EXCEPINFO exception = {};
  UINT badArgument = 0;
  const HRESULT hr = m_pMap->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET,
                                    &params, &result, &exception, &badArgument);
  if (hr == DISP_E_EXCEPTION) {
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
  }
  if (SUCCEEDED(hr) && SUCCEEDED(VariantChangeType(&result, &result, 0, type))) return true;
  VariantClear(&result);
  return false;
}

bool MapQueries::GetInt(DISPID dispid, const int* index, int& out) const {
  VARIANT result;
  if (!Get(dispid, index, VT_I4, result)) return false;
  out = static_cast<int>(result.lVal);
  return true;
}

bool MapQueries::EntityCount(int& count) const {
  return GetInt(vjd::jdbase::kDispidMapEntityCount, nullptr, count);
}

int MapQueries::EntityIdAt(int index) const {
  int id = 0;
  return GetInt(vjd::jdbase::kDispidMapEntityIdAt, &index, id) ? id : 0;
}

int MapQueries::EntityHandle(int id) const {
  int handle = 0;
  return GetInt(vjd::host::DispidMapEntityHandle, &id, handle) ? handle : 0;
}

double MapQueries::Scale() const {
  VARIANT result;
  return Get(vjd::host::DispidMapScale, nullptr, VT_R8, result) ? result.dblVal : 1.0;
}

}  // namespace jdbase
