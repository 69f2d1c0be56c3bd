// Driver of one table of an entity's device data, handed out by its record.  Defaults on failure:
// FindItem -1 (item absent), GetItemValue 0 bytes, GetItemText "".
#pragma once

#include <string>

#include "DispatchDriver.h"

namespace vjd::host {

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

}  // namespace vjd::host
