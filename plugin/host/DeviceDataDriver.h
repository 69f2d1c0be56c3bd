// Driver of the map's device-data root: the device parameters the host keeps per entity id.
// EntityRecord answers an empty driver when the entity has no record or the call fails.
#pragma once

#include "DispatchDriver.h"
#include "EntityRecordDriver.h"

namespace vjd::host {

class CDeviceDataDriver : public CDispatchDriver {
 public:
  using CDispatchDriver::CDispatchDriver;
  CEntityRecordDriver EntityRecord(int id) const;
};

}  // namespace vjd::host
