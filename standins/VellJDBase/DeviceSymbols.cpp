#define VELLJDBASE_DEVICESYMBOLS_BUILD
#include "DeviceSymbols.h"

#include "MapQueries.h"
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
    const jdbase::MapQueries queries(map);
    int count = 0;
    if (!queries.EntityCount(count)) return 0;
    for (int index = 0; index < count; ++index) {
      const int id = queries.EntityIdAt(index);
      if (id == 0) continue;
      const int handle = queries.EntityHandle(id);
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
