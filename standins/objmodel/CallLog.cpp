#include "CallLog.h"

namespace om {

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

CallLog& TheCallLog() {
  static CallLog log;
  return log;
}

}  // namespace om
