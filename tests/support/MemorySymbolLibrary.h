// MemorySymbolLibrary: the one ISymbolLibrary of the tests and fuzz targets, a point-symbol library
// in memory.  A symbol it does not have has an empty name and a zero extent, as the kernel answers
// for one; the names it is asked for are counted.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ISymbolLibrary.h"

namespace vjd::testing {

class MemorySymbolLibrary : public ISymbolLibrary {
 public:
  struct Symbol {
    std::string name;
    std::array<double, 4> extent{};  // x1, y1, x2, y2
  };

  // Symbols 0 to n - 1 named `names`, each with `extent`.
  explicit MemorySymbolLibrary(const std::vector<std::string>& names = {},
                               std::array<double, 4> extent = {});
  // `count` symbols named "S<index>", each with a zero extent.
  static MemorySymbolLibrary Numbered(int count);

  int GetSymbolCount() const override { return static_cast<int>(symbols.size()); }
  std::string GetSymbolName(int index) const override;
  void GetSymbolExtent(int index, double extent[4]) const override;

  std::vector<Symbol> symbols;
  mutable int nameCalls = 0;
};

}  // namespace vjd::testing
