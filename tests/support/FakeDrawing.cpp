#include "FakeDrawing.h"

namespace vjd::testing {

std::vector<std::string> FakeDrawing::Texts(int handle) {
  std::vector<std::string> texts;
  for (const FakeLabel& label : Entity(handle).labels) texts.push_back(label.text);
  return texts;
}

int FakeDrawing::Setting(const std::string& name) const {
  for (int i = 0; i < 8; ++i)
    if (name == kSettings[i]) return m_settings[i];
  return -1;
}

void FakeDrawing::GetCableLength(int id, std::string& runCount, std::string& length) {
  const FakeDevice& d = Device(id);
  if (!d.hasLength) return;
  runCount = d.runCount;
  length = d.length;
}

void FakeDrawing::GetCableType(int id, std::string& model, std::string& spec) {
  const FakeDevice& d = Device(id);
  if (!d.hasType) return;
  model = d.model;
  spec = d.spec;
}

}  // namespace vjd::testing
