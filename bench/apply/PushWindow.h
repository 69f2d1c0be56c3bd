// The window's side of a kind push as both benchmarks have it: "馈电开关" chosen, two rows in the
// grid, nothing to store.
#pragma once

#include <string>

#include "KindLabelUpdate.h"

namespace vjd::bench {

class CPushWindow : public annotation::IKindLabelWindow {
 public:
  bool GetSelectedKind(std::string& kind) override {
    kind = "馈电开关";
    return true;
  }
  bool SaveGridConfig(const std::string&) override { return true; }
  int GetGridRowCount() override { return 2; }
};

}  // namespace vjd::bench
