#include "CallLog.h"

#include <algorithm>

namespace om {

bool CallLog::Add(const std::string& object, const std::string& member, const std::string& args) {
  Add(object + "." + member + "(" + args + ")");
  return true;
}

std::vector<std::string> CallLog::Matching(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& line : m_lines)
    if (line.compare(0, prefix.size(), prefix) == 0) found.push_back(line);
  return found;
}

int CallLog::Find(const std::string& line, int from) const {
  for (size_t i = from < 0 ? 0 : static_cast<size_t>(from); i < m_lines.size(); ++i)
    if (m_lines[i] == line) return static_cast<int>(i);
  return -1;
}

int CallLog::Count(const std::string& line) const {
  return static_cast<int>(std::count(m_lines.begin(), m_lines.end(), line));
}

std::vector<std::string> CallLog::Without(const std::string& line) const {
  std::vector<std::string> rest;
  for (const std::string& l : m_lines)
    if (l != line) rest.push_back(l);
  return rest;
}

std::string CallLog::Mismatch(const std::vector<std::string>& lines,
                              const std::vector<Expected>& expected) {
  // The table's rows: an expected line beside the line that met it (or none), up to the first
  // difference, then the rest of both as they stand.
  std::vector<std::pair<std::string, std::string>> rows;
  size_t e = 0, a = 0, differs = 0;
  bool same = true;
  auto want = [&](size_t i) {
    return i >= expected.size()   ? std::string()
           : expected[i].optional ? "(" + expected[i].line + ")"
                                  : expected[i].line;
  };
  while (same && (e < expected.size() || a < lines.size())) {
    if (e < expected.size() && a < lines.size() && expected[e].line == lines[a]) {
      rows.emplace_back(want(e++), lines[a++]);
    } else if (e < expected.size() && expected[e].optional) {
      rows.emplace_back(want(e++), std::string());
    } else {
      same = false;
      differs = rows.size();
    }
  }
  if (same) return std::string();
  for (; e < expected.size() || a < lines.size(); ++e, ++a)
    rows.emplace_back(want(e), a < lines.size() ? lines[a] : std::string());
  size_t width = 8;
  for (const auto& row : rows) width = std::max(width, row.first.size());
  auto padded = [&](const std::string& text) {
    return text + std::string(width - text.size(), ' ');
  };
  std::string table = "the calls differ at line " + std::to_string(differs + 1) +
                      " (>; optional lines in parentheses):\n    " + padded("expected") +
                      " | actual\n";
  for (size_t i = 0; i < rows.size(); ++i)
    table +=
        (i == differs ? "  > " : "    ") + padded(rows[i].first) + " | " + rows[i].second + "\n";
  return table;
}

std::string CallLog::Ints(std::initializer_list<int> values) {
  std::string text;
  for (int value : values) text += (text.empty() ? "" : ",") + std::to_string(value);
  return text;
}

std::string CallLog::List(const int* ids, int count) {
  if (!ids && count > 0) return "[null]";
  std::string text = "[";
  for (int i = 0; i < count; ++i) text += (i ? "," : "") + std::to_string(ids[i]);
  return text + "]";
}

CallLog& TheCallLog() {
  static CallLog log;
  return log;
}

}  // namespace om
