// Text files as the stand-ins' own formats read them (the host's drawing file, the kernel's
// symbol library, the host's command keywords): a whole file at once, and texts without the
// blanks at their ends; and the GBK character rule the maker library's stand-in needs to cut a
// text or find a path separator.  Header-only: the stand-ins are separate modules and share no
// library.
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

// GBK: a byte from 0x81 to 0xFE starts a double-byte character together with the byte after it,
// whatever that byte is (it may look like an ASCII letter or a backslash); a lead byte at the
// very end of a text is one byte.

// The length of the longest start of `text` that has at most `maxBytes` bytes and ends on a
// character boundary.
inline size_t GbkFitLength(const std::string& text, size_t maxBytes) {
  size_t pos = 0;
  while (pos < text.size()) {
    const unsigned char byte = static_cast<unsigned char>(text[pos]);
    const size_t next = (byte >= 0x81 && byte <= 0xFE && pos + 1 < text.size()) ? pos + 2 : pos + 1;
    if (next > maxBytes) break;
    pos = next;
  }
  return pos;
}

// The last position that starts a character and holds the single byte `c`, or npos.
inline size_t GbkFindLast(const std::string& text, char c) {
  size_t found = std::string::npos;
  for (size_t pos = 0; pos < text.size(); ++pos) {
    const unsigned char byte = static_cast<unsigned char>(text[pos]);
    if (text[pos] == c)
      found = pos;
    else if (byte >= 0x81 && byte <= 0xFE)
      ++pos;  // its second byte is no character of its own
  }
  return found;
}

}  // namespace standin
