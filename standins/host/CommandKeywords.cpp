#include "CommandKeywords.h"

#include "StandInText.h"

namespace host {
namespace {

bool IsAscii(const std::string& s) {
  for (unsigned char c : s)
    if (c >= 0x80) return false;
  return true;
}

std::string LowerAscii(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

}  // namespace

CommandKeywords::CommandKeywords(const std::string& translateName) {
  std::string name = translateName;
  if (!name.empty() && name.back() == '>') name.pop_back();
  size_t start = 0;
  while (start <= name.size()) {
    size_t slash = name.find('/', start);
    std::string part = standin::TrimBlanks(
        name.substr(start, slash == std::string::npos ? std::string::npos : slash - start));
    if (!part.empty()) m_forms.push_back(part);
    if (slash == std::string::npos) break;
    start = slash + 1;
  }
}

bool CommandKeywords::Matches(const std::string& typed) const {
  std::string t = standin::TrimBlanks(typed);
  if (t.empty()) return false;
  for (const std::string& form : m_forms) {
    if (IsAscii(form) ? LowerAscii(form) == LowerAscii(t) : form == t) return true;
  }
  return false;
}

std::string MenuGroupText(const std::string& groupName) {
  size_t bar = groupName.find('|');
  return bar == std::string::npos ? groupName : groupName.substr(0, bar);
}

}  // namespace host
