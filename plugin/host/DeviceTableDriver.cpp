#include "DeviceTableDriver.h"

#include <cstring>
#include <vector>

#include "HostContract.h"

namespace vjd::host {

int CDeviceTableDriver::FindItem(int itemCode) const {
  VARIANT arg = MakeInt(itemCode);
  int row = -1;
  return CallInt(DispidTableFindItem, DISPATCH_METHOD, &arg, 1, row) ? row : -1;
}

int CDeviceTableDriver::GetItemValue(int row, int column, unsigned char* buffer, int length) const {
  if (length < 0) return 0;
  VARIANT args[5] = {MakeInt(row), MakeInt(column), MakeInt(0), MakeInt(length),
                     MakeBytesRef(length > 0 ? buffer : nullptr)};
  int result = 0;
  return CallInt(DispidTableGetItemValue, DISPATCH_METHOD, args, 5, result) && result > 0 ? result
                                                                                          : 0;
}

std::string CDeviceTableDriver::GetItemText(int row, int column) const {
  try {
    int length = GetItemValue(row, column, nullptr, 0);
    if (length <= 0) return std::string();
    std::vector<unsigned char> buffer(static_cast<size_t>(length) + 1, 0);  // room for a zero
    if (GetItemValue(row, column, buffer.data(), length) <= 0) return std::string();
    return std::string(reinterpret_cast<const char*>(buffer.data()));
  } catch (...) {
    return std::string();
  }
}

}  // namespace vjd::host
