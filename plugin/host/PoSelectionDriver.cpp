#include "PoSelectionDriver.h"

#include "HostContract.h"

namespace vjd::host {

int CPoSelectionDriver::Count() const {
  int count = 0;
  return CallInt(DispidSelectionCount, DISPATCH_PROPERTYGET, nullptr, 0, count) ? count : 0;
}

bool CPoSelectionDriver::Clear() const {
  return CallVoid(DispidSelectionClear, DISPATCH_METHOD);
}

int CPoSelectionDriver::Item(int index) const {
  VARIANT arg = MakeInt(index);
  int id = 0;
  return CallInt(DispidSelectionItem, DISPATCH_METHOD, &arg, 1, id) ? id : 0;
}

}  // namespace vjd::host
