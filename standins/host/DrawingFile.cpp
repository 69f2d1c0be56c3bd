#include "DrawingFile.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>

#include "StandInText.h"

namespace host {
namespace {

constexpr char kHeader[] = "VJD-DRAWING 1";

std::string TrimRight(std::string s) {
  while (!s.empty() &&
         (s.back() == '\r' || s.back() == '\n' || s.back() == ' ' || s.back() == '\t'))
    s.pop_back();
  return s;
}

std::string TrimLeft(const std::string& s) {
  size_t b = 0;
  while (b < s.size() && (s[b] == ' ' || s[b] == '\t')) ++b;
  return s.substr(b);
}

// Splits off the first word of `rest`; `rest` keeps what follows the one separator after it.
bool NextWord(std::string& rest, std::string& word) {
  rest = TrimLeft(rest);
  if (rest.empty()) return false;
  size_t e = rest.find_first_of(" \t");
  word = rest.substr(0, e);
  rest = e == std::string::npos ? std::string() : rest.substr(e + 1);
  return true;
}

bool ToDouble(const std::string& w, double& v) {
  char* end = nullptr;
  v = std::strtod(w.c_str(), &end);
  return end != w.c_str() && *end == '\0' && std::isfinite(v);
}

bool ToLong(const std::string& w, long long& v) {
  char* end = nullptr;
  errno = 0;
  v = std::strtoll(w.c_str(), &end, 10);
  return end != w.c_str() && *end == '\0' && errno == 0;
}

bool ToInt(const std::string& w, int& v) {
  long long l;
  if (!ToLong(w, l) || l < INT32_MIN || l > INT32_MAX) return false;
  v = static_cast<int>(l);
  return true;
}

bool ToColour(const std::string& w, uint32_t& v) {
  long long l;
  if (!ToLong(w, l) || l < INT32_MIN || l > UINT32_MAX) return false;
  v = static_cast<uint32_t>(l);
  return true;
}

std::string OneLine(std::string s) {
  for (char& c : s)
    if (c == '\r' || c == '\n') c = ' ';
  return s;
}

// A name, kind name or symbol name as the file keeps it: on one line, without blanks at its ends.
// Reading and writing both go through it, so what was read is written back unchanged.
std::string NameText(const std::string& raw) {
  std::string s = OneLine(raw);
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return s.substr(b, e - b);
}

// The line of a name statement; none for a name that is empty as the file keeps it.
std::string NameLine(const char* key, const std::string& name) {
  const std::string text = NameText(name);
  return text.empty() ? std::string() : std::string(key) + " " + text + "\n";
}

std::string Num(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  // Prefer the shortest text that reads back as the same number.
  for (int prec = 1; prec < 17; ++prec) {
    char shorter[64];
    std::snprintf(shorter, sizeof shorter, "%.*g", prec, v);
    if (std::strtod(shorter, nullptr) == v) return shorter;
  }
  return buf;
}

}  // namespace

const DrawingEntity* Drawing::Find(int id) const {
  for (const DrawingEntity& e : entities)
    if (e.id == id) return &e;
  return nullptr;
}

bool DrawingFile::Parse(const std::string& text, Drawing& out, std::string& error) {
  out.entities.clear();
  Drawing parsed;
  std::set<int> ids;
  DrawingEntity cur;
  bool inEntity = false, sawHeader = false, sawPlace = false;
  int lineNo = 0;
  std::istringstream lines(text);
  std::string raw;
  auto fail = [&](const std::string& what) {
    error = "drawing line " + std::to_string(lineNo) + ": " + what;
    return false;
  };
  while (std::getline(lines, raw)) {
    ++lineNo;
    std::string line = TrimRight(raw);
    if (!sawHeader) {
      if (TrimLeft(line) != kHeader)
        return fail("the file does not start with \"" + std::string(kHeader) + "\"");
      sawHeader = true;
      continue;
    }
    std::string rest = TrimLeft(line), key;
    if (rest.empty() || rest[0] == '#') continue;
    NextWord(rest, key);
    if (key == "entity") {
      if (inEntity)
        return fail("\"entity\" inside entity " + std::to_string(cur.id) + " (missing \"end\")");
      std::string a, b, extra;
      cur = DrawingEntity();
      if (!NextWord(rest, a) || !NextWord(rest, b) || NextWord(rest, extra) || !ToInt(a, cur.id) ||
          !ToInt(b, cur.kind))
        return fail("\"entity\" needs an id and a kind");
      if (cur.id <= 0) return fail("entity ids are positive numbers");
      if (!ids.insert(cur.id).second) return fail("a second entity with id " + a);
      inEntity = true, sawPlace = false;
      continue;
    }
    if (!inEntity) return fail("\"" + key + "\" outside an entity");
    if (key == "end") {
      if (cur.kind == 28 && cur.symbol.empty())
        return fail("symbol entity " + std::to_string(cur.id) + " names no symbol");
      if (cur.symbol.empty() && cur.points.size() < 4)
        return fail("entity " + std::to_string(cur.id) + " has neither a symbol nor points");
      if (!cur.symbol.empty() && !sawPlace)
        return fail("entity " + std::to_string(cur.id) + " places its symbol nowhere (\"at\")");
      parsed.entities.push_back(std::move(cur));
      cur = DrawingEntity();
      inEntity = false;
      continue;
    }
    if (key == "name" || key == "kindname" || key == "symbol") {
      std::string value = NameText(rest);
      if (value.empty()) return fail("\"" + key + "\" without a value");
      if (value.size() > kMaxNameBytes) return fail("\"" + key + "\" longer than 31 bytes");
      (key == "name" ? cur.name : key == "kindname" ? cur.kindName : cur.symbol) = value;
    } else if (key == "at" || key == "points") {
      std::vector<double> v;
      std::string w;
      double d;
      while (NextWord(rest, w)) {
        if (!ToDouble(w, d))
          return fail("\"" + key + "\" with \"" + w + "\", which is not a number");
        v.push_back(d);
      }
      if (key == "at") {
        if (v.size() != 2 && v.size() != 3) return fail("\"at\" needs x y and an optional angle");
        cur.x = v[0], cur.y = v[1], cur.angle = v.size() == 3 ? v[2] : 0;
        sawPlace = true;
      } else {
        if (v.size() < 4 || v.size() % 2) return fail("\"points\" needs at least two x y pairs");
        cur.points = v;
      }
    } else if (key == "color") {
      std::string w, extra;
      if (!NextWord(rest, w) || NextWord(rest, extra) || !ToColour(w, cur.colour))
        return fail("\"color\" needs one colour number");
      cur.hasColour = true;
    } else if (key == "label") {
      if (cur.labels.size() >= static_cast<size_t>(kMaxLabels)) return fail("more than 32 labels");
      DrawingLabel l;
      std::string f[8];
      for (std::string& w : f)
        if (!NextWord(rest, w))
          return fail(
              "\"label\" needs visible, position, height, width, angle, follows, fore, back and a "
              "text");
      if (!ToInt(f[0], l.visible) || !ToInt(f[1], l.position) || !ToDouble(f[2], l.height) ||
          !ToDouble(f[3], l.width) || !ToDouble(f[4], l.angle) || !ToInt(f[5], l.follows) ||
          !ToColour(f[6], l.fore) || !ToColour(f[7], l.back))
        return fail("\"label\" with a field that is not a number");
      l.text = rest;
      if (l.text.size() > kMaxLabelBytes) return fail("label text longer than 99 bytes");
      cur.labels.push_back(std::move(l));
    } else if (key == "data") {
      DeviceItem item;
      std::string a, b;
      if (!NextWord(rest, a) || !NextWord(rest, b) || !ToInt(a, item.item) ||
          !ToInt(b, item.column) || item.column < 0)
        return fail("\"data\" needs an item code, a column and a value");
      item.value = rest;
      for (const DeviceItem& d : cur.data)
        if (d.item == item.item && d.column == item.column)
          return fail("a second value for item " + a + " column " + b);
      cur.data.push_back(std::move(item));
    } else {
      return fail("unknown keyword \"" + key + "\"");
    }
  }
  if (!sawHeader) return fail("the file is empty");
  if (inEntity) return fail("entity " + std::to_string(cur.id) + " is not closed by \"end\"");
  out = std::move(parsed);
  error.clear();
  return true;
}

bool DrawingFile::Read(const char* path, Drawing& out, std::string& error) {
  out.entities.clear();
  std::string text;
  if (!standin::ReadWholeFile(path, "the drawing", text, error)) return false;
  return Parse(text, out, error);
}

std::string DrawingFile::Write(const Drawing& d) {
  std::string s = std::string(kHeader) + "\n";
  for (const DrawingEntity& e : d.entities) {
    s += "\nentity " + std::to_string(e.id) + " " + std::to_string(e.kind) + "\n";
    s += NameLine("name", e.name);
    s += NameLine("kindname", e.kindName);
    if (!e.symbol.empty()) {
      s += NameLine("symbol", e.symbol);
      s += "at " + Num(e.x) + " " + Num(e.y) + " " + Num(e.angle) + "\n";
    }
    if (e.hasColour) s += "color " + std::to_string(static_cast<int32_t>(e.colour)) + "\n";
    if (!e.points.empty()) {
      s += "points";
      for (double v : e.points) s += " " + Num(v);
      s += "\n";
    }
    for (const DrawingLabel& l : e.labels) {
      s += "label " + std::to_string(l.visible) + " " + std::to_string(l.position) + " " +
           Num(l.height) + " " + Num(l.width) + " " + Num(l.angle) + " " +
           std::to_string(l.follows) + " " + std::to_string(static_cast<int32_t>(l.fore)) + " " +
           std::to_string(static_cast<int32_t>(l.back)) + " " + OneLine(l.text) + "\n";
    }
    for (const DeviceItem& item : e.data)
      s += "data " + std::to_string(item.item) + " " + std::to_string(item.column) + " " +
           OneLine(item.value) + "\n";
    s += "end\n";
  }
  return s;
}

bool DrawingFile::Save(const char* path, const Drawing& drawing, std::string& error) {
  std::string temp = std::string(path) + ".saving";
  std::string text = Write(drawing);
  FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) {
    error = std::string("cannot write \"") + temp + "\"";
    return false;
  }
  bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  ok = std::fflush(f) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  if (ok) {
    std::remove(path);  // rename does not replace an existing file on Windows
    ok = std::rename(temp.c_str(), path) == 0;
  }
  if (!ok) {
    std::remove(temp.c_str());
    error = std::string("cannot save the drawing \"") + path + "\"";
  }
  return ok;
}

}  // namespace host
