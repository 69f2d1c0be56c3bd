// FakeKindWindow: the one IKindLabelWindow of the tests and the benchmarks, the window's side of a
// kind push: the kind chosen (or none), the grid's row count and a store that can fail.  Stores
// are counted and, given a label host fake, noted among its calls ("SaveGridConfig <kind>").
#pragma once

#include <string>

#include "FakeLabelHost.h"
#include "KindLabelUpdate.h"

namespace vjd::testing {

class FakeKindWindow : public annotation::IKindLabelWindow {
 public:
  explicit FakeKindWindow(FakeLabelHost* host = nullptr) : m_host(host) {}
  bool selected = true;
  std::string kind = "馈电开关";
  int rows = 3;
  bool storeFails = false;
  int saves = 0;

  bool GetSelectedKind(std::string& k) override {
    if (selected) k = kind;
    return selected;
  }
  bool SaveGridConfig(const std::string& k) override {
    ++saves;
    if (m_host) m_host->Note("SaveGridConfig " + k);
    return !storeFails;
  }
  int GetGridRowCount() override { return rows; }

 private:
  FakeLabelHost* m_host;
};

}  // namespace vjd::testing
