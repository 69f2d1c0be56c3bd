// The host's point-symbol library as the catalogue and the symbol list see it: a count, and a
// name and an extent per index.  The configuration window answers it from the kernel (library 7,
// sub-library 0); tests answer it from memory.  Implementations own nothing the caller keeps.
#pragma once

#include <string>

class ISymbolLibrary {
 public:
  virtual ~ISymbolLibrary() = default;
  // Number of symbols; indices run from 0 to count - 1.
  virtual int GetSymbolCount() const = 0;
  // The symbol's name (GBK, at most 31 bytes).  An index the library does not have is passed on
  // unchecked: whatever the library answers for it (an empty name) is what the list shows.
  virtual std::string GetSymbolName(int index) const = 0;
  // The symbol's extent x1, y1, x2, y2 in drawing units (zeros for an index it does not have).
  virtual void GetSymbolExtent(int index, double extent[4]) const = 0;
};
