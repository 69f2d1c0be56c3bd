#include "SymbolLibrary.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "StandInText.h"

namespace qk {
namespace {

constexpr char kHeader[] = "VJD-SYMBOLS 1";

// Reads every remaining word of `in` as a finite number.
bool ReadNumbers(std::istringstream& in, std::vector<double>& out) {
  std::string word;
  while (in >> word) {
    char* end = nullptr;
    double v = std::strtod(word.c_str(), &end);
    if (end == word.c_str() || *end != '\0' || !std::isfinite(v)) return false;
    out.push_back(v);
  }
  return true;
}

// The box around a circle (cx, cy, r first in `v`) lies within the range of doubles, so a
// symbol's extent is always finite.
bool FiniteBox(const std::vector<double>& v) {
  return std::isfinite(v[0] - v[2]) && std::isfinite(v[0] + v[2]) && std::isfinite(v[1] - v[2]) &&
         std::isfinite(v[1] + v[2]);
}

void Grow(Symbol& s, double x, double y, bool& first) {
  if (first) {
    s.x1 = s.x2 = x;
    s.y1 = s.y2 = y;
    first = false;
    return;
  }
  s.x1 = std::min(s.x1, x);
  s.x2 = std::max(s.x2, x);
  s.y1 = std::min(s.y1, y);
  s.y2 = std::max(s.y2, y);
}

void ComputeExtent(Symbol& s) {
  bool first = true;
  for (const SymbolStroke& st : s.strokes) {
    if (st.kind == SymbolStroke::Polyline || st.kind == SymbolStroke::Polygon) {
      for (size_t i = 0; i + 1 < st.points.size(); i += 2)
        Grow(s, st.points[i], st.points[i + 1], first);
    } else {
      Grow(s, st.cx - st.r, st.cy - st.r, first);
      Grow(s, st.cx + st.r, st.cy + st.r, first);
    }
  }
}

}  // namespace

bool SymbolLibrary::LoadText(const std::string& text, std::string& error) {
  std::vector<Symbol> parsed;
  Symbol current;
  bool inSymbol = false;
  bool sawHeader = false;
  int lineNo = 0;
  std::istringstream lines(text);
  std::string raw;
  auto fail = [&](const std::string& what) {
    error = "symbol library line " + std::to_string(lineNo) + ": " + what;
    return false;
  };
  while (std::getline(lines, raw)) {
    ++lineNo;
    std::string line = standin::TrimBlanks(raw);
    if (!sawHeader) {
      if (line != kHeader)
        return fail("the file does not start with \"" + std::string(kHeader) + "\"");
      sawHeader = true;
      continue;
    }
    if (line.empty() || line[0] == '#') continue;
    std::istringstream in(line);
    std::string keyword;
    in >> keyword;
    if (keyword == "symbol") {
      if (inSymbol)
        return fail("\"symbol\" inside symbol \"" + current.name + "\" (missing \"end\")");
      current = Symbol();
      current.name = standin::TrimBlanks(line.substr(6));
      if (current.name.empty()) return fail("a symbol without a name");
      if (current.name.size() > kMaxNameBytes) return fail("symbol name longer than 31 bytes");
      for (const Symbol& s : parsed)
        if (s.name == current.name) return fail("a second symbol named \"" + current.name + "\"");
      inSymbol = true;
      continue;
    }
    if (!inSymbol) return fail("\"" + keyword + "\" outside a symbol");
    if (keyword == "end") {
      if (current.strokes.empty()) return fail("symbol \"" + current.name + "\" has no stroke");
      ComputeExtent(current);
      parsed.push_back(std::move(current));
      current = Symbol();
      inSymbol = false;
      continue;
    }
    std::vector<double> v;
    if (!ReadNumbers(in, v)) return fail("\"" + keyword + "\" with a value that is not a number");
    SymbolStroke st;
    if (keyword == "line" || keyword == "poly") {
      size_t minPoints = keyword == "line" ? 2 : 3;
      if (v.size() % 2 != 0 || v.size() < 2 * minPoints)
        return fail("\"" + keyword + "\" needs at least " + std::to_string(minPoints) +
                    " points given as x y pairs");
      st.kind = keyword == "line" ? SymbolStroke::Polyline : SymbolStroke::Polygon;
      st.points = std::move(v);
    } else if (keyword == "circle") {
      if (v.size() != 3 || v[2] <= 0) return fail("\"circle\" needs cx cy r with r > 0");
      if (!FiniteBox(v)) return fail("\"circle\" reaching beyond the range of numbers");
      st.kind = SymbolStroke::Circle;
      st.cx = v[0], st.cy = v[1], st.r = v[2];
    } else if (keyword == "arc") {
      if (v.size() != 5 || v[2] <= 0) return fail("\"arc\" needs cx cy r a0 a1 with r > 0");
      if (!FiniteBox(v)) return fail("\"arc\" reaching beyond the range of numbers");
      st.kind = SymbolStroke::Arc;
      st.cx = v[0], st.cy = v[1], st.r = v[2], st.startDeg = v[3], st.endDeg = v[4];
    } else {
      return fail("unknown keyword \"" + keyword + "\"");
    }
    current.strokes.push_back(std::move(st));
  }
  if (!sawHeader) return fail("the file is empty");
  if (inSymbol) return fail("symbol \"" + current.name + "\" is not closed by \"end\"");
  m_symbols = std::move(parsed);
  error.clear();
  return true;
}

bool SymbolLibrary::LoadFile(const char* path, std::string& error) {
  std::string text;
  if (!standin::ReadWholeFile(path, "the symbol library", text, error)) return false;
  return LoadText(text, error);
}

const Symbol* SymbolLibrary::At(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return &m_symbols[static_cast<size_t>(index)];
}

int SymbolLibrary::Find(const std::string& name) const {
  for (size_t i = 0; i < m_symbols.size(); ++i)
    if (m_symbols[i].name == name) return static_cast<int>(i);
  return -1;
}

SymbolLibrary& TheSymbolLibrary() {
  static SymbolLibrary library;
  return library;
}

}  // namespace qk
