#include "HostLog.h"

#include <windows.h>

namespace host {

HostLog::~HostLog() {
  if (m_file) std::fclose(m_file);
}

bool HostLog::Open(const std::wstring& path) {
  if (m_file) std::fclose(m_file);
  m_file = _wfopen(path.c_str(), L"wb");
  return m_file != nullptr;
}

std::string HostLog::Utf8FromGbk(const std::string& gbk) {
  if (gbk.empty()) return std::string();
  int n = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  if (n <= 0) return std::string();
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), &wide[0], n);
  int m = WideCharToMultiByte(CP_UTF8, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
  if (m <= 0) return std::string();
  std::string out(static_cast<size_t>(m), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), n, &out[0], m, nullptr, nullptr);
  return out;
}

void HostLog::Line(const char* event, const std::string& gbk) {
  if (!m_file) return;
  std::string line = event;
  if (!gbk.empty()) {
    std::string text = Utf8FromGbk(gbk);
    for (char& c : text)
      if (c == '\r' || c == '\n') c = ' ';
    line += " " + text;
  }
  line += "\n";
  std::fwrite(line.data(), 1, line.size(), m_file);
  std::fflush(m_file);
}

void HostLog::Ids(const char* event, const std::vector<int>& ids) {
  std::string list;
  for (size_t i = 0; i < ids.size(); ++i) list += (i ? " " : "") + std::to_string(ids[i]);
  Line(event, list);
}

}  // namespace host
