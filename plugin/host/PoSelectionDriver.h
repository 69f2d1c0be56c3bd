// Driver of the host's selection set (PoSelection), handed out by the map and released with the
// driver.  Defaults when a call fails: Count 0, Item 0 (no entity has id 0).
#pragma once

#include "DispatchDriver.h"

namespace vjd::host {

class CPoSelectionDriver : public CDispatchDriver {
 public:
  using CDispatchDriver::CDispatchDriver;
  int Count() const;
  bool Clear() const;
  int Item(int index) const;
};

}  // namespace vjd::host
