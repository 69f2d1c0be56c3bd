// The map's device-data root: EntityRecord[id] answers the record of an entity (a new object
// each time, owned by the caller); an entity without data has a record whose table is empty.
// One instance per map, held by the map.
#pragma once

#include <memory>

#include "AutomationObject.h"
#include "Drawing.h"

namespace om {

class PoDeviceData : public AutomationObject {
 public:
  explicit PoDeviceData(std::shared_ptr<Drawing> drawing) : m_drawing(std::move(drawing)) {}
  const char* LogName() const override { return "DeviceData"; }

 protected:
  HRESULT OnInvoke(Call& call) override;

 private:
  std::shared_ptr<Drawing> m_drawing;
};

}  // namespace om
