#include "PoCommandState.h"

namespace om {

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

}  // namespace om
