// Drivers of the map's device data: the root (the device parameters the host keeps per entity
// id), one entity's record, and the record's table.  Each answers an empty driver, whose calls
// all give their defaults, when the host has nothing or the call fails.
#pragma once

#include <string>

#include "DispatchDriver.h"

namespace vjd::host {

// One table of an entity's device data.  Defaults on failure: FindItem -1 (item absent),
// GetItemValue 0 bytes, GetItemText "".
class CDeviceTableDriver : public CDispatchDriver {
 public:
  using CDispatchDriver::CDispatchDriver;
  int FindItem(int itemCode) const;
  // With length 0 (buffer may be null) answers the value's byte length, its terminator included;
  // otherwise fills `buffer` with up to `length` bytes of the value as GBK text.
  int GetItemValue(int row, int column, unsigned char* buffer, int length) const;
  // Both steps above: the value up to its first zero byte and never beyond the length the host
  // gave, even if its text is not terminated.  Throws std::bad_alloc when the value cannot be
  // held; every other failure reads as "".
  std::string GetItemText(int row, int column) const;
};

// One entity's record, handed out by the root.
class CEntityRecordDriver : public CDispatchDriver {
 public:
  using CDispatchDriver::CDispatchDriver;
  CDeviceTableDriver GetTable(int index = 0) const;
};

// The root, handed out by the map.
class CDeviceDataDriver : public CDispatchDriver {
 public:
  using CDispatchDriver::CDispatchDriver;
  CEntityRecordDriver EntityRecord(int id) const;
};

}  // namespace vjd::host
