// The host's highlighter (PoHighlighter): marks and unmarks entities of the drawing and asks for
// them to be redrawn.  One instance per map, held by the map.
#pragma once

#include <memory>

#include "AutomationObject.h"
#include "Drawing.h"

namespace om {

class PoHighlighter : public AutomationObject {
 public:
  explicit PoHighlighter(std::shared_ptr<Drawing> drawing) : m_drawing(std::move(drawing)) {}
  const char* LogName() const override { return "Highlighter"; }
  int RedrawCalls() const { return m_nRedraws; }

 protected:
  HRESULT OnInvoke(Call& call) override;

 private:
  std::shared_ptr<Drawing> m_drawing;
  int m_nRedraws = 0;
};

}  // namespace om
