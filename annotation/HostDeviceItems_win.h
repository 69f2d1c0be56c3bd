// The device data of the host's map as an IDeviceItemSource: for each read the chain
// DeviceData -> EntityRecord[id] -> GetTable(0) -> FindItem(code) -> GetItemValue (length, then
// value) through the host access layer.  Every object the map hands out is held by a driver and
// released when the read returns, on every path.  Borrows the map driver.
#pragma once

#include "DeviceDataReader.h"
#include "PoMapDriver.h"

namespace vjd::annotation {

class CHostDeviceItems : public IDeviceItemSource {
 public:
  explicit CHostDeviceItems(const vjd::host::CPoMapDriver& map) : m_map(map) {}
  bool ReadItem(int id, int itemCode, const int* columns, std::string* values, int count) override;

 private:
  const vjd::host::CPoMapDriver& m_map;
};

}  // namespace vjd::annotation
