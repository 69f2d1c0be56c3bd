// Driver of one entity's device-data record, handed out by the device-data root.  GetTable
// answers an empty driver (every call then gives its default) when the record has none.
#pragma once

#include "DeviceTableDriver.h"
#include "DispatchDriver.h"

namespace vjd::host {

class CEntityRecordDriver : public CDispatchDriver {
 public:
  using CDispatchDriver::CDispatchDriver;
  CDeviceTableDriver GetTable(int index = 0) const;
};

}  // namespace vjd::host
