#include "DeviceDataDriver.h"

#include "HostContract.h"

namespace vjd::host {

CEntityRecordDriver CDeviceDataDriver::EntityRecord(int id) const {
  VARIANT arg = MakeInt(id);
  IDispatch* record = nullptr;
  if (!CallDispatch(DispidDeviceDataEntityRecord, DISPATCH_PROPERTYGET, &arg, 1, record)) return {};
  return CEntityRecordDriver(record, true);
}

}  // namespace vjd::host
