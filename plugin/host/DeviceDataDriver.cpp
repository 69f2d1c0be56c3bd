#include "DeviceDataDriver.h"

#include <cstring>
#include <vector>

#include "HostContract.h"

namespace vjd::host {

CEntityRecordDriver CDeviceDataDriver::EntityRecord(int id) const {
  VARIANT arg = MakeInt(id);
  IDispatch* record = nullptr;
  if (!CallDispatch(DispidDeviceDataEntityRecord, DISPATCH_PROPERTYGET, &arg, 1, record)) return {};
  return CEntityRecordDriver(record, true);
}

CDeviceTableDriver CEntityRecordDriver::GetTable(int index) const {
  VARIANT arg = MakeInt(index);
  IDispatch* table = nullptr;
  if (!CallDispatch(DispidRecordGetTable, DISPATCH_METHOD, &arg, 1, table)) return {};
  return CDeviceTableDriver(table, true);
}

int CDeviceTableDriver::FindItem(int itemCode) const {
  VARIANT arg = MakeInt(itemCode);
  return IntOr(-1, DispidTableFindItem, DISPATCH_METHOD, &arg, 1);
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
  int length = GetItemValue(row, column, nullptr, 0);
  if (length <= 0) return std::string();
  // One byte more than the host asked for, zeroed: a value without its terminator within its
  // length still ends inside the buffer.
  std::vector<char> buffer(static_cast<size_t>(length) + 1, 0);
  if (GetItemValue(row, column, reinterpret_cast<unsigned char*>(buffer.data()), length) <= 0)
    return std::string();
  return std::string(buffer.data());
}

}  // namespace vjd::host
