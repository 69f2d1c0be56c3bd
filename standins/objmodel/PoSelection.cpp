#include "PoSelection.h"

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

}  // namespace om
