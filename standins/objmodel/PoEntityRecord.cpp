#include "PoEntityRecord.h"

#include "PoDeviceTable.h"

namespace om {

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

}  // namespace om
