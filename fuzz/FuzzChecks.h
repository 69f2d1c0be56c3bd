// What every fuzz target checks the code under test against, and how it turns fuzz bytes into
// inputs.  A broken invariant aborts, so the fuzzer reports the input that broke it.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace fuzzcheck {

inline void Require(bool holds) {
  if (!holds) std::abort();
}

inline bool IsLead(unsigned char c) {
  return c >= 0x81 && c <= 0xFE;
}

inline bool IsTrail(unsigned char c) {
  return c >= 0x40 && c <= 0xFE && c != 0x7F;
}

// Every double-byte character complete: each lead byte followed by a second byte of GBK's range.
inline bool WellFormedGbk(const std::string& text) {
  for (size_t pos = 0; pos < text.size(); ++pos) {
    if (!IsLead(static_cast<unsigned char>(text[pos]))) continue;
    if (pos + 1 == text.size() || !IsTrail(static_cast<unsigned char>(text[pos + 1]))) return false;
    ++pos;
  }
  return true;
}

// `text` without the lead bytes that start no whole character: a well-formed text.
inline std::string MadeWellFormed(const std::string& text) {
  std::string out;
  for (size_t pos = 0; pos < text.size(); ++pos) {
    const unsigned char c = static_cast<unsigned char>(text[pos]);
    if (!IsLead(c)) {
      out += text[pos];
    } else if (pos + 1 < text.size() && IsTrail(static_cast<unsigned char>(text[pos + 1]))) {
      out += text.substr(pos, 2);
      ++pos;
    }
  }
  return out;
}

// True when `needle` occurs in `text` at a character start: the oracle for the searches of the
// code under test, written apart from them (a lead byte and the byte after it are one character).
inline bool OccursAtCharacterStart(const std::string& text, const std::string& needle) {
  for (size_t pos = 0; pos < text.size(); ++pos) {
    if (text.compare(pos, needle.size(), needle) == 0) return true;
    if (IsLead(static_cast<unsigned char>(text[pos]))) ++pos;
  }
  return false;
}

// A terminated text that stays inside its field of `size` bytes.
inline void RequireTerminated(const char* field, size_t size) {
  Require(std::memchr(field, 0, size) != nullptr);
}

inline void RequireFinite(double value) {
  Require(std::isfinite(value));
}

// Splits the fuzz input into texts at the byte 0x1F (the ASCII unit separator).
class Fields {
 public:
  Fields(const uint8_t* data, size_t size) : m_text(reinterpret_cast<const char*>(data), size) {}
  // The next text, empty once the input is used up.
  std::string Next() {
    if (m_pos > m_text.size()) return std::string();
    size_t end = m_text.find('\x1F', m_pos);
    if (end == std::string::npos) end = m_text.size();
    std::string field = m_text.substr(m_pos, end - m_pos);
    m_pos = end + 1;
    return field;
  }
  // A small number from the next text's first byte.
  int Small(int modulo) {
    std::string field = Next();
    return field.empty() ? 0 : static_cast<unsigned char>(field[0]) % modulo;
  }

 private:
  std::string m_text;
  size_t m_pos = 0;
};

}  // namespace fuzzcheck
