// The ordered record of every call the host's automation objects receive, one line per call:
// "<Object>.<Member>(<args>)", e.g. Map.SetPrompt("<标注配置/paraset/ps>"), Map.Action(5),
// Highlighter.SetHighlight([3,7],2,1,1).  Ints are decimal, texts GBK in double quotes, id lists
// in brackets, objects by class name or null.  Tests read and clear it; the stand-in host can
// write it to its event log.  One log per process (TheCallLog()); the tests' fakes of the host
// keep logs of their own in the same form.  Portable: built in every build.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace om {

class CallLog {
 public:
  // One line of an expected sequence; an optional one may be missing.
  struct Expected {
    Expected(const char* text) : line(text) {}
    Expected(std::string text) : line(std::move(text)) {}
    std::string line;
    bool optional = false;
  };
  static Expected Optional(std::string line) {
    Expected expected(std::move(line));
    expected.optional = true;
    return expected;
  }

  void Add(std::string line) {
    if (m_bRecording) m_lines.push_back(std::move(line));
  }
  // Adds "object.member(args)"; true, for the answers of a fake.
  bool Add(const std::string& object, const std::string& member, const std::string& args = "");
  // A program that runs for a whole session (the stand-in host) records nothing: the log would
  // grow with every call.  On by default, for the tests.
  void SetRecording(bool recording) { m_bRecording = recording; }
  const std::vector<std::string>& Lines() const { return m_lines; }
  void Clear() { m_lines.clear(); }
  // Lines that start with `prefix`, in order (e.g. "Map." or "Map.SetPrompt(").
  std::vector<std::string> Matching(const std::string& prefix) const;
  bool Has(const std::string& prefix) const { return !Matching(prefix).empty(); }
  // Position of the first line equal to `line` at or after `from`; -1 if none.
  int Find(const std::string& line, int from = 0) const;
  int Count(const std::string& line) const;
  // Every line but those equal to `line`.
  std::vector<std::string> Without(const std::string& line) const;

  // Empty when `lines` are `expected`, one for one and in order, optional ones allowed to be
  // missing; a line that is not the next expected one is a difference, wherever it stands.
  // Otherwise both sequences side by side, the first difference marked.
  static std::string Mismatch(const std::vector<std::string>& lines,
                              const std::vector<Expected>& expected);
  std::string Mismatch(const std::vector<Expected>& expected) const {
    return Mismatch(m_lines, expected);
  }

  // Arguments as the lines write them: "1,2,3", and an id list "[1,2,3]".
  static std::string Ints(std::initializer_list<int> values);
  static std::string List(const int* ids, int count);
  static std::string List(const std::vector<int>& ids) {
    return List(ids.data(), static_cast<int>(ids.size()));
  }

 private:
  std::vector<std::string> m_lines;
  bool m_bRecording = true;
};

CallLog& TheCallLog();

}  // namespace om
