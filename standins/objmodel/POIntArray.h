// The host's integer array (POIntArray): a growable array of 32-bit ints that a command creates
// by "PelionObjects.POIntArray" and hands to the map's BeginPick, so the host can append the ids
// the user picks.  Its creator owns it; GetData answers the address of its ints (VT_BYREF|VT_I4),
// valid until the array is changed.
#pragma once

#include <vector>

#include "AutomationObject.h"

namespace om {

class POIntArray : public AutomationObject {
 public:
  POIntArray() = default;
  const char* LogName() const override { return "IntArray"; }

  static constexpr DISPID kGetData = 9;

  // What the host does during a pick: append one id (not logged).
  void Append(int value) { m_values.push_back(value); }
  const std::vector<LONG>& Values() const { return m_values; }

  // The number of POIntArray objects alive in the process (for leak checks).
  static int LiveCount();

 protected:
  ~POIntArray() override;
  HRESULT OnInvoke(Call& call) override;

 private:
  std::vector<LONG> m_values;
  bool m_bCounted = Count(+1);
  static bool Count(int delta);
};

}  // namespace om
