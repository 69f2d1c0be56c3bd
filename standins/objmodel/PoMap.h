// The host's map control object (PoMap) over one in-memory drawing: the members the plug-in
// invokes by DISPID, each logged to the call log and applied to the drawing.  The map owns its
// drawing (shared with the objects it hands out, so a reference kept past the map stays valid)
// and one each of the selection, command-state, highlighter and device-data objects, whose
// references it hands out on each property get.
//
// Create() answers a map with one reference owned by the caller.
#pragma once

#include <memory>

#include "AutomationObject.h"
#include "Drawing.h"
#include "PoMapParts.h"

namespace om {

class PoMap : public AutomationObject {
 public:
  static PoMap* Create();
  const char* LogName() const override { return "Map"; }

  Drawing& GetDrawing() { return *m_drawing; }
  PoSelection* SelectionObject() const { return m_pSelection; }
  PoCommandState* CommandStateObject() const { return m_pCommandState; }
  PoHighlighter* HighlighterObject() const { return m_pHighlighter; }
  PoDeviceData* DeviceDataObject() const { return m_pDeviceData; }

 protected:
  PoMap();
  ~PoMap() override;
  HRESULT OnInvoke(Call& call) override;

 private:
  HRESULT Member(Call& call, std::string& logLine);
  std::shared_ptr<Drawing> m_drawing;
  PoSelection* m_pSelection;
  PoCommandState* m_pCommandState;
  PoHighlighter* m_pHighlighter;
  PoDeviceData* m_pDeviceData;
};

}  // namespace om
