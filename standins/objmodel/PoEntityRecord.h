// One entity's device-data record, handed out by the device-data root for an id; GetTable(0)
// answers its one table (a new object each time, owned by the caller).
#pragma once

#include <memory>

#include "AutomationObject.h"
#include "Drawing.h"

namespace om {

class PoEntityRecord : public AutomationObject {
 public:
  PoEntityRecord(std::shared_ptr<Drawing> drawing, int id)
      : m_drawing(std::move(drawing)), m_nId(id) {}
  const char* LogName() const override { return "EntityRecord"; }

 protected:
  HRESULT OnInvoke(Call& call) override;

 private:
  std::shared_ptr<Drawing> m_drawing;
  int m_nId;
};

}  // namespace om
