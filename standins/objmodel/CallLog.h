// The ordered record of every call the host's automation objects receive, one line per call:
// "<Object>.<Member>(<args>)", e.g. Map.SetPrompt("<标注配置/paraset/ps>"), Map.Action(5),
// Highlighter.SetHighlight([3,7],2,1,1).  Ints are decimal, texts GBK in double quotes, id lists
// in brackets, objects by class name or null.  Tests read and clear it; the stand-in host can
// write it to its event log.  One log per process (TheCallLog()).
#pragma once

#include <string>
#include <vector>

namespace om {

class CallLog {
 public:
  void Add(std::string line) {
    if (m_bRecording) m_lines.push_back(std::move(line));
  }
  // A program that runs for a whole session (the stand-in host) records nothing: the log would
  // grow with every call.  On by default, for the tests.
  void SetRecording(bool recording) { m_bRecording = recording; }
  const std::vector<std::string>& Lines() const { return m_lines; }
  void Clear() { m_lines.clear(); }
  // Lines that start with `prefix`, in order (e.g. "Map." or "Map.SetPrompt(").
  std::vector<std::string> Matching(const std::string& prefix) const;
  // Position of the first line equal to `line` at or after `from`; -1 if none.
  int Find(const std::string& line, int from = 0) const;

 private:
  std::vector<std::string> m_lines;
  bool m_bRecording = true;
};

CallLog& TheCallLog();

}  // namespace om
