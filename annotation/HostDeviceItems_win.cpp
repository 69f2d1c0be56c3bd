#include "HostDeviceItems_win.h"

#include <vector>

#include "GbkText.h"

namespace vjd::annotation {

bool CHostDeviceItems::ReadItem(int id, int itemCode, const int* columns, std::string* values,
                                int count) {
  try {
    vjd::host::CDeviceDataDriver root = m_map.DeviceData();
    vjd::host::CEntityRecordDriver record = root.EntityRecord(id);
    vjd::host::CDeviceTableDriver table = record.GetTable(0);
    int row = table.FindItem(itemCode);
    if (row < 0) return false;
    std::vector<std::string> read(static_cast<size_t>(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i) {
      int length = table.GetItemValue(row, columns[i], nullptr, 0);
      if (length <= 0) continue;
      // One byte more than the host asked for, zeroed: a value without its terminator within
      // its length still ends inside the buffer.
      std::vector<unsigned char> buffer(static_cast<size_t>(length) + 1, 0);
      if (table.GetItemValue(row, columns[i], buffer.data(), length) <= 0) continue;
      read[i] = gbk::FromBuffer(reinterpret_cast<const char*>(buffer.data()), length);
    }
    for (int i = 0; i < count; ++i) values[i] = std::move(read[i]);
    return true;
  } catch (...) {
    return false;  // out of memory: read as absent
  }
}

}  // namespace vjd::annotation
