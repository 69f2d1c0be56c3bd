#define VELLJDBASE_DEVICESYMBOLS_BUILD
#include "DeviceSymbols.h"

#include "PoMapDriver.h"
#include "quarnkernel.h"

namespace {

bool IsDeviceSymbolKind(int kind) {
  return kind == QK_KIND_DEVICE_SYMBOL || kind == QK_KIND_DEVICE_SYMBOL_ALT;
}

}  // namespace

int CollectDeviceSymbols(const VjdHostMap* map, CArray<int, int>& handles, CArray<int, int>& ids) {
  handles.RemoveAll();
  ids.RemoveAll();
  try {
    vjd::host::CPoMapDriver driver(map);
    int count = 0;
    if (!driver.CallInt(vjd::jdbase::kDispidMapEntityCount, DISPATCH_PROPERTYGET, nullptr, 0,
                        count))
      return 0;
    for (int index = 0; index < count; ++index) {
      VARIANT arg = vjd::host::CDispatchDriver::MakeInt(index);
      int id = 0;
      if (!driver.CallInt(vjd::jdbase::kDispidMapEntityIdAt, DISPATCH_PROPERTYGET, &arg, 1, id) ||
          id == 0)
        continue;
      int handle = driver.EntityHandle(id);
      if (handle == 0 || !IsDeviceSymbolKind(GetEntityKind(handle))) continue;
      handles.Add(handle);
      ids.Add(id);
    }
  } catch (...) {
    handles.RemoveAll();  // nothing crosses the library's boundary; no half list either
    ids.RemoveAll();
  }
  return ids.GetSize();
}
