#include "PoDeviceTable.h"

#include <cstring>

namespace om {

const std::string* PoDeviceTable::Value(int row, int column) const {
  auto entity = m_drawing->deviceData.find(m_nId);
  if (entity == m_drawing->deviceData.end()) return nullptr;
  const std::vector<DeviceItem>& items = entity->second;
  if (row < 0 || row >= static_cast<int>(items.size())) return nullptr;
  const std::vector<std::string>& columns = items[static_cast<size_t>(row)].columns;
  if (column < 0 || column >= static_cast<int>(columns.size())) return nullptr;
  return &columns[static_cast<size_t>(column)];
}

HRESULT PoDeviceTable::OnInvoke(Call& call) {
  switch (call.dispid) {
    case 12: {  // FindItem(code)
      int code = 0;
      if (!ArgInt(call, 0, code)) return DISP_E_TYPEMISMATCH;
      Log("FindItem", std::to_string(code));
      int row = -1;
      auto entity = m_drawing->deviceData.find(m_nId);
      if (entity != m_drawing->deviceData.end()) {
        for (size_t i = 0; i < entity->second.size(); ++i)
          if (entity->second[i].nCode == code) {
            row = static_cast<int>(i);
            break;
          }
      }
      ResultInt(call, row);
      return S_OK;
    }
    case 8: {  // GetItemValue(row, column, 0, length, buffer)
      int row = 0, column = 0, reserved = 0, length = 0;
      unsigned char* buffer = nullptr;
      if (!ArgInt(call, 0, row) || !ArgInt(call, 1, column) || !ArgInt(call, 2, reserved) ||
          !ArgInt(call, 3, length) || !ArgBytes(call, 4, buffer))
        return DISP_E_TYPEMISMATCH;
      Log("GetItemValue", std::to_string(row) + "," + std::to_string(column) + "," +
                              std::to_string(reserved) + "," + std::to_string(length));
      const std::string* value = Value(row, column);
      int size = value ? static_cast<int>(value->size()) + 1 : 0;
      if (length == 0 || !value) {
        ResultInt(call, length == 0 ? size : 0);
        return S_OK;
      }
      if (length < 0 || !buffer) return E_INVALIDARG;
      int copied = length < size ? length : size;
      std::memcpy(buffer, value->c_str(), static_cast<size_t>(copied));
      ResultInt(call, copied);
      return S_OK;
    }
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

}  // namespace om
