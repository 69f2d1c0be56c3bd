#include "HostOptions.h"

#include <cwchar>

namespace host {

bool HostOptions::Parse(const std::vector<std::wstring>& args, std::wstring& error) {
  *this = HostOptions();
  for (size_t i = 0; i < args.size(); ++i) {
    const std::wstring& a = args[i];
    auto value = [&](std::wstring& out) {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        error = L"option " + a + L" needs a value";
        return false;
      }
      out = args[++i];
      return true;
    };
    if (a == L"--log") {
      if (!value(logFile)) return false;
    } else if (a == L"--screenshot") {
      if (!value(screenshot)) return false;
    } else if (a == L"--plugin") {
      if (!value(plugin)) return false;
    } else if (a == L"--launch") {
      launch = true;
    } else if (a == L"--batch") {
      batch = true;
    } else if (a == L"--exit") {
      exitAfter = true;
    } else if (a == L"--select") {
      std::wstring list;
      if (!value(list)) return false;
      size_t start = 0;
      while (start <= list.size()) {
        size_t comma = list.find(L',', start);
        std::wstring item =
            list.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start);
        wchar_t* end = nullptr;
        long id = std::wcstol(item.c_str(), &end, 10);
        if (item.empty() || *end != L'\0' || id <= 0) {
          error = L"--select needs entity ids separated by commas, not \"" + list + L"\"";
          return false;
        }
        select.push_back(static_cast<int>(id));
        if (comma == std::wstring::npos) break;
        start = comma + 1;
      }
    } else if (a.size() > 1 && a[0] == L'-') {
      error = L"unknown option " + a;
      return false;
    } else if (drawing.empty()) {
      drawing = a;
    } else {
      error = L"more than one drawing on the command line";
      return false;
    }
  }
  return true;
}

}  // namespace host
