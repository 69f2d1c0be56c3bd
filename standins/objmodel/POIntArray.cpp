#include "POIntArray.h"

namespace om {

namespace {
int g_liveArrays = 0;
}

bool POIntArray::Count(int delta) {
  g_liveArrays += delta;
  return true;
}

int POIntArray::LiveCount() {
  return g_liveArrays;
}

POIntArray::~POIntArray() {
  Count(-1);
}

HRESULT POIntArray::OnInvoke(Call& call) {
  int index = 0, value = 0;
  switch (call.dispid) {
    case 1:  // GetSize
      Log("GetSize");
      ResultInt(call, static_cast<int>(m_values.size()));
      return S_OK;
    case 2: {  // SetSize(size, growBy)
      int growBy = 0;
      if (!ArgInt(call, 0, value) || !ArgInt(call, 1, growBy)) return DISP_E_TYPEMISMATCH;
      Log("SetSize", std::to_string(value) + "," + std::to_string(growBy));
      if (value < 0) return E_INVALIDARG;
      m_values.resize(static_cast<size_t>(value), 0);
      return S_OK;
    }
    case 3:  // RemoveAll
      Log("RemoveAll");
      m_values.clear();
      return S_OK;
    case 4:  // GetAt(index)
      if (!ArgInt(call, 0, index)) return DISP_E_TYPEMISMATCH;
      Log("GetAt", std::to_string(index));
      if (index < 0 || index >= static_cast<int>(m_values.size())) return DISP_E_BADINDEX;
      ResultInt(call, static_cast<int>(m_values[static_cast<size_t>(index)]));
      return S_OK;
    case 5:  // SetAt(index, value)
      if (!ArgInt(call, 0, index) || !ArgInt(call, 1, value)) return DISP_E_TYPEMISMATCH;
      Log("SetAt", std::to_string(index) + "," + std::to_string(value));
      if (index < 0 || index >= static_cast<int>(m_values.size())) return DISP_E_BADINDEX;
      m_values[static_cast<size_t>(index)] = value;
      return S_OK;
    case kGetData:
      Log("GetData");
      call.result->vt = VT_BYREF | VT_I4;
      call.result->plVal = m_values.empty() ? nullptr : m_values.data();
      return S_OK;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

}  // namespace om
