// Driver of one host integer array (POIntArray), which the command creates by its programmatic
// identifier and owns.  With no object held, or when a call fails, nothing is sent to the host and
// the results are GetSize 0, GetAt 0, GetData null.
#pragma once

#include "DispatchDriver.h"

namespace vjd::host {

class CPOIntArrayDriver : public CDispatchDriver {
 public:
  using CDispatchDriver::CDispatchDriver;
  // Creates a new array object by "PelionObjects.POIntArray"; false if that fails.
  bool Create();
  int GetSize() const;
  bool SetSize(int size, int growBy) const;
  bool RemoveAll() const;
  int GetAt(int index) const;
  bool SetAt(int index, int value) const;
  // Address of the array's ints, valid until the array is changed; null on failure.
  int* GetData() const;
};

}  // namespace vjd::host
