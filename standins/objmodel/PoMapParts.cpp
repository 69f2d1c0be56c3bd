#include "PoMapParts.h"

#include <cstring>

namespace om {

HRESULT PoSelection::OnInvoke(Call& call) {
  switch (call.dispid) {
    case 1:  // Count
      Log("Count");
      ResultInt(call, static_cast<int>(m_drawing->selection.size()));
      return S_OK;
    case 10:  // Clear
      Log("Clear");
      m_drawing->selection.clear();
      return S_OK;
    case 11: {  // Item(index)
      int index = 0;
      if (!ArgInt(call, 0, index)) return DISP_E_TYPEMISMATCH;
      Log("Item", std::to_string(index));
      if (index < 0 || index >= static_cast<int>(m_drawing->selection.size()))
        return DISP_E_BADINDEX;
      ResultInt(call, m_drawing->selection[static_cast<size_t>(index)]);
      return S_OK;
    }
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

HRESULT PoCommandState::OnInvoke(Call& call) {
  switch (call.dispid) {
    case 3:  // PrepareCommand
      Log("PrepareCommand");
      ++m_drawing->nPrepareCalls;
      return S_OK;
    case 4: {  // IsCommandBlocked(id)
      int id = 0;
      if (!ArgInt(call, 0, id)) return DISP_E_TYPEMISMATCH;
      Log("IsCommandBlocked", std::to_string(id));
      ResultInt(call, m_drawing->blockedCommands.count(id) ? 1 : 0);
      return S_OK;
    }
    case 5:  // CanStartCommand
      Log("CanStartCommand");
      ResultInt(call, m_drawing->bCanStartCommand ? 1 : 0);
      return S_OK;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

HRESULT PoHighlighter::OnInvoke(Call& call) {
  int count = 0;
  std::vector<int> ids;
  switch (call.dispid) {
    case 3: {  // SetHighlight(ids, count, mark, mode)
      int mark = 0, mode = 0;
      if (!ArgInt(call, 1, count) || !ArgIntList(call, 0, count, ids) || !ArgInt(call, 2, mark) ||
          !ArgInt(call, 3, mode))
        return DISP_E_TYPEMISMATCH;
      Log("SetHighlight", List(ids) + "," + std::to_string(count) + "," + std::to_string(mark) +
                              "," + std::to_string(mode));
      for (int id : ids) {
        if (mark)
          m_drawing->highlighted.insert(id);
        else
          m_drawing->highlighted.erase(id);
      }
      return S_OK;
    }
    case 4:  // RedrawEntities(ids, count)
      if (!ArgInt(call, 1, count) || !ArgIntList(call, 0, count, ids)) return DISP_E_TYPEMISMATCH;
      Log("RedrawEntities", List(ids) + "," + std::to_string(count));
      ++m_nRedraws;
      return S_OK;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

HRESULT PoDeviceData::OnInvoke(Call& call) {
  if (call.dispid != 5) return DISP_E_MEMBERNOTFOUND;  // EntityRecord[id]
  int id = 0;
  if (!ArgInt(call, 0, id)) return DISP_E_TYPEMISMATCH;
  Log("EntityRecord", std::to_string(id));
  PoEntityRecord* record = new PoEntityRecord(m_drawing, id);
  ResultDispatch(call, record);
  record->Release();
  return S_OK;
}

HRESULT PoEntityRecord::OnInvoke(Call& call) {
  if (call.dispid != 14) return DISP_E_MEMBERNOTFOUND;  // GetTable(index)
  int index = 0;
  if (!ArgInt(call, 0, index)) return DISP_E_TYPEMISMATCH;
  Log("GetTable", std::to_string(index));
  if (index != 0) return DISP_E_BADINDEX;
  PoDeviceTable* table = new PoDeviceTable(m_drawing, m_nId);
  ResultDispatch(call, table);
  table->Release();
  return S_OK;
}

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
