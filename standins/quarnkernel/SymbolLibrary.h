// The kernel's point-symbol library (library 7, sub-library 0): the symbols a drawing places,
// each a name and a list of strokes around its base point.  Loaded from a text file whose format
// is described at the top of the sample library "符号库\EdaSymbol.sym" and in
// standins/quarnkernel/SymbolLibrary.md.
//
// Loading is all or nothing: a file with any fault leaves the library as it was and reports the
// first fault with its line number.  The library owns its symbols; callers get copies or const
// references that stay valid until the next successful load.
#pragma once

#include <string>
#include <vector>

namespace qk {

// One stroke of a symbol, in drawing units relative to the base point.
struct SymbolStroke {
  enum Kind { Polyline, Polygon, Circle, Arc };
  Kind kind = Polyline;
  std::vector<double> points;       // x, y pairs (Polyline, Polygon)
  double cx = 0, cy = 0, r = 0;     // Circle, Arc
  double startDeg = 0, endDeg = 0;  // Arc, counter-clockwise from start to end
};

struct Symbol {
  std::string name;  // GBK, 1 to 31 bytes, unique in the library
  std::vector<SymbolStroke> strokes;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // extent around every stroke
};

class SymbolLibrary {
 public:
  // Library and sub-library number of the point symbols.
  static constexpr int kPointLibrary = 7;
  static constexpr int kPointSubLibrary = 0;
  static constexpr size_t kMaxNameBytes = 31;

  // Parses `text` (the whole file, GBK).  On success the library holds exactly its symbols and
  // true is returned; on failure the library is unchanged and `error` says what and where.
  bool LoadText(const std::string& text, std::string& error);
  // Reads and parses a file; a missing or unreadable file is a failure like a malformed one.
  bool LoadFile(const char* path, std::string& error);

  int Count() const { return static_cast<int>(m_symbols.size()); }
  // Null for an index outside 0 .. Count() - 1.
  const Symbol* At(int index) const;
  // Index of the symbol with exactly this name, -1 if none.
  int Find(const std::string& name) const;
  void Clear() { m_symbols.clear(); }

 private:
  std::vector<Symbol> m_symbols;
};

// The one library of the process, shared by the kernel's functions.
SymbolLibrary& TheSymbolLibrary();

}  // namespace qk
