// Driver of the host's command-state object (PoCommandState), handed out by the map for the
// duration of one launch.  A failing call refuses the launch: CanStartCommand defaults to FALSE,
// IsCommandBlocked to TRUE.
#pragma once

#include "DispatchDriver.h"

namespace vjd::host {

class CPoCommandStateDriver : public CDispatchDriver {
 public:
  using CDispatchDriver::CDispatchDriver;
  bool PrepareCommand() const;
  BOOL IsCommandBlocked(int commandId) const;
  BOOL CanStartCommand() const;
};

}  // namespace vjd::host
