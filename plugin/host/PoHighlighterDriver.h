// Driver of the host's highlighter (PoHighlighter), handed out by the map and released with the
// driver.  (1, 1) marks the listed entities, (0, 0) unmarks them; a failing call does nothing.
#pragma once

#include "DispatchDriver.h"

namespace vjd::host {

class CPoHighlighterDriver : public CDispatchDriver {
 public:
  using CDispatchDriver::CDispatchDriver;
  bool SetHighlight(const int* ids, int count, int mark, int mode) const;
  bool RedrawEntities(const int* ids, int count) const;
};

}  // namespace vjd::host
