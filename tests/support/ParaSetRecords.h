// Records the configuration window's tests start from.
#pragma once

#include "SymbolLabelConfig.h"

namespace paraset_test {

// A stored record of "电动机" with three slots x, y and z: positions 1, 22 (a middle one) and 5,
// foreground colours 100 to 102, angles 0, 10 and 20 that do not follow the symbol.
inline vjd::annotation::SymbolLabelConfig ThreeSlotMotor() {
  using namespace vjd::annotation;
  SymbolLabelConfig record;
  InitRecord(record);
  SetSymbolName(record, "电动机");
  record.nLabelCount = 3;
  const char* texts[3] = {"x", "y", "z"};
  const int positions[3] = {1, 22, 5};
  for (int i = 0; i < 3; ++i) {
    SetSlotText(record, i, texts[i]);
    record.bVisible[i] = 1;
    record.nPosition[i] = positions[i];
    record.dAngle[i] = 10.0 * i;
    record.bAngleFollows[i] = 0;
    record.clrFore[i] = 100 + i;
  }
  return record;
}

}  // namespace paraset_test
