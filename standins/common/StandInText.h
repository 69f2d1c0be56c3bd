// Text files as the stand-ins' own formats read them (the host's drawing file, the kernel's
// symbol library, the host's command keywords): a whole file at once, and texts without the
// blanks at their ends.  Header-only: the host program and the kernel library are separate
// modules and share no library.
#pragma once

#include <cstdio>
#include <string>

namespace standin {

// Reads the whole file at `path` into `text`.  The error names the file with `what` ("the
// drawing") and says whether it could not be opened or not be read; empty on success.
inline bool ReadWholeFile(const char* path, const char* what, std::string& text,
                          std::string& error) {
  text.clear();
  std::FILE* file = path ? std::fopen(path, "rb") : nullptr;
  if (!file) {
    error = std::string("cannot open ") + what + " \"" + (path ? path : "") + "\"";
    return false;
  }
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) {
    error = std::string("cannot read ") + what + " \"" + path + "\"";
    return false;
  }
  error.clear();
  return true;
}

// `s` without the blanks (space, tab, carriage return, line feed) at both ends.
inline std::string TrimBlanks(const std::string& s) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  size_t b = 0, e = s.size();
  while (b < e && blank(s[b])) ++b;
  while (e > b && blank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

}  // namespace standin
