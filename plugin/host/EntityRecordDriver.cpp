#include "EntityRecordDriver.h"

#include "HostContract.h"

namespace vjd::host {

CDeviceTableDriver CEntityRecordDriver::GetTable(int index) const {
  VARIANT arg = MakeInt(index);
  IDispatch* table = nullptr;
  if (!CallDispatch(DispidRecordGetTable, DISPATCH_METHOD, &arg, 1, table)) return {};
  return CDeviceTableDriver(table, true);
}

}  // namespace vjd::host
