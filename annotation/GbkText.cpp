#include "GbkText.h"

#include <cstring>

namespace vjd::annotation::gbk {
namespace {

size_t CharLengthAt(const char* text, size_t length, size_t pos) {
  if (pos + 1 < length && IsLeadByte(static_cast<unsigned char>(text[pos]))) return 2;
  return 1;
}

}  // namespace

size_t Find(std::string_view text, std::string_view needle, size_t from) {
  if (from > text.size()) return std::string::npos;
  // Candidates come from the byte search; one walk over the character starts from the
  // beginning of the text tells which of them begin a character.
  size_t boundary = 0;
  if (needle.empty()) {
    while (boundary < from) boundary += CharLengthAt(text.data(), text.size(), boundary);
    return boundary <= text.size() ? boundary : std::string::npos;
  }
  for (size_t pos = text.find(needle, from); pos != std::string::npos;
       pos = text.find(needle, pos + 1)) {
    while (boundary < pos) boundary += CharLengthAt(text.data(), text.size(), boundary);
    if (boundary == pos) return pos;
  }
  return std::string::npos;
}

size_t FindLast(const std::string& text, char c) {
  size_t found = std::string::npos;
  for (size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) {
    if (text[pos] == c) found = pos;
  }
  return found;
}

std::string DropFirstChar(const std::string& text) {
  if (text.empty()) return text;
  return text.substr(CharLength(text, 0));
}

size_t FitLength(const char* text, size_t length, size_t maxBytes) {
  if (length <= maxBytes) return length;
  size_t end = 0;
  while (end < length) {
    size_t next = end + CharLengthAt(text, length, end);
    if (next > maxBytes) break;
    end = next;
  }
  return end;
}

std::string CutToFit(const std::string& text, size_t maxBytes) {
  return text.substr(0, FitLength(text.data(), text.size(), maxBytes));
}

void CopyToBuffer(char* buffer, size_t size, const char* text) {
  if (buffer == nullptr || size == 0) return;
  std::memset(buffer, 0, size);
  if (text == nullptr) return;
  // One byte past the room is enough to tell whether the last character fits whole.
  const size_t room = size - 1;
  const size_t length = strnlen(text, size);
  std::memcpy(buffer, text, FitLength(text, length, room));
}

std::string FromBuffer(const char* buffer, size_t size) {
  if (buffer == nullptr) return std::string();
  const void* zero = std::memchr(buffer, 0, size);
  size_t length = zero ? static_cast<size_t>(static_cast<const char*>(zero) - buffer) : size;
  return std::string(buffer, length);
}

std::string Trimmed(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string HalfWidthNumber(const std::string& text) {
  std::string half;
  half.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) {
    const size_t length = CharLength(text, pos);
    const unsigned char lead = static_cast<unsigned char>(text[pos]);
    const unsigned char trail = length == 2 ? static_cast<unsigned char>(text[pos + 1]) : 0;
    // The full-width forms 0xA3A1 to 0xA3FE follow ASCII 0x21 to 0x7E.
    const char ascii = lead == 0xA3 ? static_cast<char>(trail - 0xA1 + 0x21) : '\0';
    if (ascii != '\0' && std::strchr("0123456789.+-eE", ascii) != nullptr) {
      half += ascii;
    } else if (lead == 0xA1 && trail == 0xA1) {
      half += ' ';
    } else {
      half.append(text, pos, length);
    }
    pos += length;
  }
  return half;
}

std::string OneLine(const std::string& text) {
  std::string line;
  line.reserve(text.size());
  bool inRun = false;
  for (size_t pos = 0; pos < text.size();) {
    const size_t length = CharLength(text, pos);
    const unsigned char c = static_cast<unsigned char>(text[pos]);
    const bool control = length == 1 && (c < 0x20 || c == 0x7F);
    if (!control) {
      line.append(text, pos, length);
    } else if (!inRun) {
      line += ' ';
    }
    inRun = control;
    pos += length;
  }
  return line;
}

}  // namespace vjd::annotation::gbk
