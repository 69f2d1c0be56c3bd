#include "PoMap.h"

#include "CallLog.h"

namespace om {

PoMap* PoMap::Create() {
  return new PoMap();
}

PoMap::PoMap()
    : m_drawing(std::make_shared<Drawing>()),
      m_pSelection(new PoSelection(m_drawing)),
      m_pCommandState(new PoCommandState(m_drawing)),
      m_pHighlighter(new PoHighlighter(m_drawing)),
      m_pDeviceData(new PoDeviceData(m_drawing)) {}

PoMap::~PoMap() {
  m_pSelection->Release();
  m_pCommandState->Release();
  m_pHighlighter->Release();
  m_pDeviceData->Release();
}

HRESULT PoMap::OnInvoke(Call& call) {
  std::string line;
  HRESULT hr = Member(call, line);
  if (!line.empty()) {
    TheCallLog().Add(line);
    if (m_drawing->onMapCall) m_drawing->onMapCall(line);
  }
  return hr;
}

// Runs one member; `line` receives its log line once the arguments have been read.
HRESULT PoMap::Member(Call& call, std::string& line) {
  auto logged = [&](const char* member, const std::string& args = std::string()) {
    line = std::string("Map.") + member + "(" + args + ")";
  };
  int a = 0, b = 0, c = 0;
  std::string text;
  std::vector<int> ids;
  switch (call.dispid) {
    case 3:  // Selection
      logged("Selection");
      ResultDispatch(call, m_pSelection);
      return S_OK;
    case 5:  // Action = int
      if (!call.IsPut() || !ArgInt(call, 0, a)) return DISP_E_TYPEMISMATCH;
      logged("Action", std::to_string(a));
      m_drawing->nAction = a;
      return S_OK;
    case 7:  // DeviceData
      logged("DeviceData");
      ResultDispatch(call, m_pDeviceData);
      return S_OK;
    case 11:  // Scale
      logged("Scale");
      ResultDouble(call, m_drawing->dScale);
      return S_OK;
    case 21:  // ChangedFlag = BOOL
      if (!call.IsPut() || !ArgInt(call, 0, a)) return DISP_E_TYPEMISMATCH;
      logged("ChangedFlag", a ? "1" : "0");
      m_drawing->bChanged = a != 0;
      return S_OK;
    case 25:  // CommandState
      logged("CommandState");
      ResultDispatch(call, m_pCommandState);
      return S_OK;
    case 26:  // PickEnded = BOOL
      if (!call.IsPut() || !ArgInt(call, 0, a)) return DISP_E_TYPEMISMATCH;
      logged("PickEnded", a ? "1" : "0");
      m_drawing->bPickEnded = a != 0;
      return S_OK;
    case 27:  // Highlighter
      logged("Highlighter");
      ResultDispatch(call, m_pHighlighter);
      return S_OK;
    case 49: {  // GetCurrentCommand(out id, out state)
      LONG* id = nullptr;
      LONG* state = nullptr;
      if (!ArgOutInt(call, 0, id) || !ArgOutInt(call, 1, state)) return DISP_E_TYPEMISMATCH;
      logged("GetCurrentCommand");
      *id = m_drawing->nCurrentCommand;
      *state = m_drawing->nCommandState;
      return S_OK;
    }
    case 50:  // SetCurrentCommand(id, state)
      if (!ArgInt(call, 0, a) || !ArgInt(call, 1, b)) return DISP_E_TYPEMISMATCH;
      logged("SetCurrentCommand", std::to_string(a) + "," + std::to_string(b));
      if (m_drawing->bKeepCurrentCommand) return S_OK;
      m_drawing->nCurrentCommand = a;
      m_drawing->nCommandState = b;
      return S_OK;
    case 52:  // BeginOperation(text)
      if (!ArgText(call, 0, text)) return DISP_E_TYPEMISMATCH;
      logged("BeginOperation", Quote(text));
      m_drawing->operations.push_back(text);
      ResultInt(call, 1);
      return S_OK;
    case 68:  // UpdateEntities(ids, count, 0)
      if (!ArgInt(call, 1, b) || !ArgIntList(call, 0, b, ids) || !ArgInt(call, 2, c))
        return DISP_E_TYPEMISMATCH;
      logged("UpdateEntities", List(ids) + "," + std::to_string(b) + "," + std::to_string(c));
      m_drawing->updates.push_back(ids);
      return S_OK;
    case 69:  // UpdateView
      logged("UpdateView");
      ++m_drawing->nViewUpdates;
      return S_OK;
    case 76: {  // BeginPick(array, a, b, c, null)
      IDispatch* array = nullptr;
      IDispatch* extra = nullptr;
      if (!ArgDispatch(call, 0, array) || !ArgInt(call, 1, a) || !ArgInt(call, 2, b) ||
          !ArgInt(call, 3, c) || !ArgDispatch(call, 4, extra))
        return DISP_E_TYPEMISMATCH;
      logged("BeginPick", std::string(array ? "IntArray" : "null") + "," + std::to_string(a) + "," +
                              std::to_string(b) + "," + std::to_string(c) + "," +
                              (extra ? "object" : "null"));
      if (array) array->AddRef();
      if (m_drawing->pPickArray) m_drawing->pPickArray->Release();
      m_drawing->pPickArray = array;
      m_drawing->pickArgs[0] = a;
      m_drawing->pickArgs[1] = b;
      m_drawing->pickArgs[2] = c;
      m_drawing->bPickEnded = false;
      return S_OK;
    }
    case 77:  // SetPrompt(text)
      if (!ArgText(call, 0, text)) return DISP_E_TYPEMISMATCH;
      logged("SetPrompt", Quote(text));
      m_drawing->strPrompt = text;
      m_drawing->prompts.push_back(text);
      return S_OK;
    case 93:  // RecordEntity(handle)
      if (!ArgInt(call, 0, a)) return DISP_E_TYPEMISMATCH;
      logged("RecordEntity", std::to_string(a));
      m_drawing->recorded.push_back(a);
      return S_OK;
    case 99: {  // EntityHandle[id]
      if (!ArgInt(call, 0, a)) return DISP_E_TYPEMISMATCH;
      logged("EntityHandle", std::to_string(a));
      auto it = m_drawing->handles.find(a);
      ResultInt(call, it == m_drawing->handles.end() ? 0 : it->second);
      return S_OK;
    }
    // Two members beyond the plug-in's contract, for the maker library's enumeration of the
    // drawing (VellJDBase's CollectDeviceSymbols): the entity count and the id at an index.
    case 1001:  // EntityCount
      logged("EntityCount");
      ResultInt(call, static_cast<int>(m_drawing->ids.size()));
      return S_OK;
    case 1002: {  // EntityIdAt[index]
      if (!ArgInt(call, 0, a)) return DISP_E_TYPEMISMATCH;
      logged("EntityIdAt", std::to_string(a));
      bool inside = a >= 0 && a < static_cast<int>(m_drawing->ids.size());
      ResultInt(call, inside ? m_drawing->ids[static_cast<size_t>(a)] : 0);
      return S_OK;
    }
    case -550:  // Refresh (the stock DISPID_REFRESH)
      logged("Refresh");
      ++m_drawing->nRefreshes;
      return S_OK;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

}  // namespace om
