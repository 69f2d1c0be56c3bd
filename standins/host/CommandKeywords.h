// The forms under which the command line accepts a plug-in command, read from the plug-in's
// translate name "display name/keyword/short form>" (for example "标注配置/paraset/ps>").
// A typed line matches when, trimmed, it equals one of the forms; the keyword and short form
// compare without regard to the case of ASCII letters, the display name byte for byte.
#pragma once

#include <string>
#include <vector>

namespace host {

class CommandKeywords {
 public:
  // Splits a translate name (GBK); empty parts are dropped.
  explicit CommandKeywords(const std::string& translateName);
  bool Matches(const std::string& typed) const;
  const std::vector<std::string>& Forms() const { return m_forms; }

 private:
  std::vector<std::string> m_forms;
};

// The menu group's text: the part of a group name before "|" ("供电辅助制图(&D)|%" gives
// "供电辅助制图(&D)").
std::string MenuGroupText(const std::string& groupName);

}  // namespace host
