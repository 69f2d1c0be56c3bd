#include "MemorySymbolLibrary.h"

namespace vjd::testing {

MemorySymbolLibrary::MemorySymbolLibrary(const std::vector<std::string>& names,
                                         std::array<double, 4> extent) {
  for (const std::string& name : names) symbols.push_back({name, extent});
}

MemorySymbolLibrary MemorySymbolLibrary::Numbered(int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back("S" + std::to_string(i));
  return MemorySymbolLibrary(names);
}

std::string MemorySymbolLibrary::GetSymbolName(int index) const {
  ++nameCalls;
  return index >= 0 && index < GetSymbolCount() ? symbols[static_cast<size_t>(index)].name : "";
}

void MemorySymbolLibrary::GetSymbolExtent(int index, double extent[4]) const {
  for (int i = 0; i < 4; ++i)
    extent[i] = index >= 0 && index < GetSymbolCount()
                    ? symbols[static_cast<size_t>(index)].extent[i]
                    : 0.0;
}

}  // namespace vjd::testing
