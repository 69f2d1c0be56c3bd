// One table of an entity's device data: its items as rows (in the drawing's order), each with
// its column values as GBK texts.  FindItem(code) answers the row of an item or -1;
// GetItemValue(row, column, 0, length, buffer) answers the value's byte length with its
// terminating zero when length is 0, and otherwise copies at most `length` bytes of it (the zero
// included when it fits) into the VT_BYREF|VT_UI1 buffer and answers the bytes copied.  A row or
// column that does not exist has the empty value (length 0).  Handed out by a record; the caller
// owns its reference.
#pragma once

#include <memory>

#include "AutomationObject.h"
#include "Drawing.h"

namespace om {

class PoDeviceTable : public AutomationObject {
 public:
  PoDeviceTable(std::shared_ptr<Drawing> drawing, int id)
      : m_drawing(std::move(drawing)), m_nId(id) {}
  const char* LogName() const override { return "DeviceTable"; }

 protected:
  HRESULT OnInvoke(Call& call) override;

 private:
  const std::string* Value(int row, int column) const;
  std::shared_ptr<Drawing> m_drawing;
  int m_nId;
};

}  // namespace om
