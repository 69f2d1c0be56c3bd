#include "PoCommandStateDriver.h"

#include "HostContract.h"

namespace vjd::host {

bool CPoCommandStateDriver::PrepareCommand() const {
  return CallVoid(DispidCommandStatePrepareCommand, DISPATCH_METHOD);
}

BOOL CPoCommandStateDriver::IsCommandBlocked(int commandId) const {
  VARIANT arg = MakeInt(commandId);
  int blocked = TRUE;
  return CallInt(DispidCommandStateIsCommandBlocked, DISPATCH_METHOD, &arg, 1, blocked) ? blocked
                                                                                        : TRUE;
}

BOOL CPoCommandStateDriver::CanStartCommand() const {
  int can = FALSE;
  return CallInt(DispidCommandStateCanStartCommand, DISPATCH_METHOD, nullptr, 0, can) ? can : FALSE;
}

}  // namespace vjd::host
