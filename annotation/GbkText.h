// Byte-level helpers for GBK texts, the one place that knows the character rules the label code
// needs: where a character ends, searches that only match at character starts, cutting a text
// so that it fits a fixed-size buffer without splitting a double-byte character, and trimming
// blanks.  Pure functions; no state.
//
// Character starts are always counted from the beginning of the text: a double-byte character
// is a lead byte (0x81 to 0xFE) and the byte after it, whatever that byte is (its second byte may
// look like an ASCII letter or a backslash).  A lead byte at the very end of a text is one byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vjd::annotation::gbk {

// Bytes of label text that fit the kernel's 100-byte label buffer (one byte for the terminator).
inline constexpr size_t kMaxLabelTextBytes = 99;

// True for a byte that starts a double-byte GBK character (0x81 to 0xFE).
inline bool IsLeadByte(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

// The ASCII blanks " \t\n\v\f\r".  No byte of a double-byte character is one.
inline bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Length in bytes (1 or 2) of the character that starts at `pos`; a lead byte at the very end
// of the text counts as one byte.  `pos` must lie inside the text.
inline size_t CharLength(const std::string& text, size_t pos) {
  return pos + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[pos])) ? 2 : 1;
}

// First position at or after `from` where `needle` occurs and that is the start of a character,
// or std::string::npos.  An empty needle is found at the first character start at or after
// `from`.  Matching is byte for byte; a match that would begin on the second byte of a
// double-byte character does not count, also when `from` itself is such a byte.
// The text may be a part of a larger one (a line of a file): its bytes only are searched.
size_t Find(std::string_view text, std::string_view needle, size_t from = 0);

inline bool Contains(std::string_view text, std::string_view needle) {
  return Find(text, needle) != std::string::npos;
}

// The last character start that holds the single-byte character `c`, or std::string::npos.
size_t FindLast(const std::string& text, char c);

// The text without its first character (one byte, or two for a double-byte character).
std::string DropFirstChar(const std::string& text);

// The number of bytes of the longest prefix of the `length` bytes at `text` that is at most
// `maxBytes` long and ends on a character boundary.
size_t FitLength(const char* text, size_t length, size_t maxBytes);

// The longest prefix of `text` of at most `maxBytes` bytes that ends on a character boundary.
std::string CutToFit(const std::string& text, size_t maxBytes = kMaxLabelTextBytes);

// Copies the terminated `text` (null: "") into a buffer of `size` bytes: the longest prefix
// that fits in size - 1 bytes on a character boundary, then zero bytes up to the buffer's end.
// Never reads the text beyond size bytes.
void CopyToBuffer(char* buffer, size_t size, const char* text);

// The text up to its first zero byte, but never more than `size` bytes: reads a fixed-size
// buffer that may lack its terminator.
std::string FromBuffer(const char* buffer, size_t size);

// The text without the blanks at both ends.
std::string Trimmed(const std::string& text);

// The text with the full-width characters a number is written with, as an input method types
// them in full-width mode (the digits, point, plus and minus signs and the letter e in either
// case: 0xA3B0 to 0xA3B9, 0xA3AE, 0xA3AB, 0xA3AD, 0xA3C5, 0xA3E5) and the ideographic space
// (0xA1A1), as their ASCII characters.  Every other character stays.
std::string HalfWidthNumber(const std::string& text);

// The text on one line: each run of control characters (a byte below 0x20, or 0x7F, where a
// character starts; no byte of a double-byte character is one) becomes one space.
std::string OneLine(const std::string& text);

}  // namespace vjd::annotation::gbk
