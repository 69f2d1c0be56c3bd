// Byte-level helpers for GBK texts as the label code needs them: where a character ends, a search
// that only matches at character starts, and cutting a text so that it fits a fixed-size buffer
// without splitting a double-byte character.  Pure functions over std::string; no state.
#pragma once

#include <cstddef>
#include <string>

namespace vjd::annotation::gbk {

// Bytes of label text that fit the kernel's 100-byte label buffer (one byte for the terminator).
inline constexpr size_t kMaxLabelTextBytes = 99;

// True for a byte that starts a double-byte GBK character (0x81 to 0xFE).
inline bool IsLeadByte(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

// Length in bytes (1 or 2) of the character that starts at `pos`; a lead byte at the very end
// of the text counts as one byte.  `pos` must lie inside the text.
size_t CharLength(const std::string& text, size_t pos);

// First position at or after `from` where `needle` occurs and that is the start of a character,
// or std::string::npos.  An empty needle is found at `from`.  Matching is byte for byte; a
// match that would begin on the second byte of a double-byte character does not count.
size_t Find(const std::string& text, const std::string& needle, size_t from = 0);

inline bool Contains(const std::string& text, const std::string& needle) {
  return Find(text, needle) != std::string::npos;
}

// The text without its first character (one byte, or two for a double-byte character).
std::string DropFirstChar(const std::string& text);

// The longest prefix of `text` of at most `maxBytes` bytes that ends on a character boundary.
std::string CutToFit(const std::string& text, size_t maxBytes = kMaxLabelTextBytes);

// The text up to its first zero byte, but never more than `size` bytes: reads a fixed-size
// buffer that may lack its terminator.
std::string FromBuffer(const char* buffer, size_t size);

}  // namespace vjd::annotation::gbk
