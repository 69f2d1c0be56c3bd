#include "GbkText.h"

#include <cstring>

namespace vjd::annotation::gbk {

size_t CharLength(const std::string& text, size_t pos) {
  if (pos + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[pos]))) return 2;
  return 1;
}

size_t Find(const std::string& text, const std::string& needle, size_t from) {
  if (needle.empty()) return from <= text.size() ? from : std::string::npos;
  // Candidates from the byte search; one walk over the character starts tells which of them
  // begin a character.
  size_t boundary = from;
  for (size_t pos = text.find(needle, from); pos != std::string::npos;
       pos = text.find(needle, pos + 1)) {
    while (boundary < pos) boundary += CharLength(text, boundary);
    if (boundary == pos) return pos;
  }
  return std::string::npos;
}

std::string DropFirstChar(const std::string& text) {
  if (text.empty()) return text;
  return text.substr(CharLength(text, 0));
}

std::string CutToFit(const std::string& text, size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  size_t end = 0;
  while (end < text.size()) {
    size_t next = end + CharLength(text, end);
    if (next > maxBytes) break;
    end = next;
  }
  return text.substr(0, end);
}

std::string FromBuffer(const char* buffer, size_t size) {
  if (buffer == nullptr) return std::string();
  const void* zero = std::memchr(buffer, 0, size);
  size_t length = zero ? static_cast<size_t>(static_cast<const char*>(zero) - buffer) : size;
  return std::string(buffer, length);
}

}  // namespace vjd::annotation::gbk
