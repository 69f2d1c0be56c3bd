#include "HostDeviceItems_win.h"

#include <vector>

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
    for (int i = 0; i < count; ++i) read[i] = table.GetItemText(row, columns[i]);
    for (int i = 0; i < count; ++i) values[i] = std::move(read[i]);
    return true;
  } catch (...) {
    return false;  // out of memory: read as absent
  }
}

}  // namespace vjd::annotation
