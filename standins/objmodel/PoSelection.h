// The host's selection set (PoSelection) over the drawing's selected ids.  Handed out by the map
// and held by it; shares the drawing with the map.
#pragma once

#include <memory>

#include "AutomationObject.h"
#include "Drawing.h"

namespace om {

class PoSelection : public AutomationObject {
 public:
  explicit PoSelection(std::shared_ptr<Drawing> drawing) : m_drawing(std::move(drawing)) {}
  const char* LogName() const override { return "Selection"; }

 protected:
  HRESULT OnInvoke(Call& call) override;

 private:
  std::shared_ptr<Drawing> m_drawing;
};

}  // namespace om
