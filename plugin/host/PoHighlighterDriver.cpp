#include "PoHighlighterDriver.h"

#include "HostContract.h"

namespace vjd::host {

bool CPoHighlighterDriver::SetHighlight(const int* ids, int count, int mark, int mode) const {
  VARIANT args[4] = {MakeIntRef(const_cast<int*>(ids)), MakeInt(count), MakeInt(mark),
                     MakeInt(mode)};
  return CallVoid(DispidHighlighterSetHighlight, DISPATCH_METHOD, args, 4);
}

bool CPoHighlighterDriver::RedrawEntities(const int* ids, int count) const {
  VARIANT args[2] = {MakeIntRef(const_cast<int*>(ids)), MakeInt(count)};
  return CallVoid(DispidHighlighterRedrawEntities, DISPATCH_METHOD, args, 2);
}

}  // namespace vjd::host
