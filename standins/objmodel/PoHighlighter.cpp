#include "PoHighlighter.h"

namespace om {

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

}  // namespace om
