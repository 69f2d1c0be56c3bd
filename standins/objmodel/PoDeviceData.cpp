#include "PoDeviceData.h"

#include "PoEntityRecord.h"

namespace om {

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

}  // namespace om
