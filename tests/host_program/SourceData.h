// The sample data as the programs read it: the repository keeps the files as UTF-8, the build
// installs them as GBK; tests read the repository's copy and convert it the same way.
#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

inline std::string GbkFromUtf8(const std::string& utf8) {
#ifdef _WIN32
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], n);
  int m = WideCharToMultiByte(936, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(m), '\0');
  WideCharToMultiByte(936, 0, wide.data(), n, &out[0], m, nullptr, nullptr);
  return out;
#else
  iconv_t cd = iconv_open("GBK", "UTF-8");
  std::string out(utf8.size() * 2 + 16, '\0');
  char* in = const_cast<char*>(utf8.data());
  char* to = &out[0];
  size_t inLeft = utf8.size(), outLeft = out.size();
  iconv(cd, &in, &inLeft, &to, &outLeft);
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return out;
#endif
}

// A file of the repository (path relative to its top), converted to GBK.
inline std::string ReadSourceGbk(const char* relative) {
  const char* top = std::getenv("VJD_SOURCE_DIR");
  std::ifstream in(std::string(top ? top : VJD_TEST_SOURCE_DIR) + "/" + relative, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return GbkFromUtf8(s.str());
}
