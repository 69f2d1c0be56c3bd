// The host's command-state object (PoCommandState): whether a command may start now, which
// command ids are blocked, and the preparation before a command starts.  One instance per map,
// held by the map; the fields it answers from are the drawing's.
#pragma once

#include <memory>

#include "AutomationObject.h"
#include "Drawing.h"

namespace om {

class PoCommandState : public AutomationObject {
 public:
  explicit PoCommandState(std::shared_ptr<Drawing> drawing) : m_drawing(std::move(drawing)) {}
  const char* LogName() const override { return "CommandState"; }

 protected:
  HRESULT OnInvoke(Call& call) override;

 private:
  std::shared_ptr<Drawing> m_drawing;
};

}  // namespace om
