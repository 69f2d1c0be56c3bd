#include "GbkConverter.h"

#include "GbkText.h"

namespace vjdcfg {
namespace {

namespace gbk = vjd::annotation::gbk;

// A character of the private use area U+E000..U+F8FF, as three UTF-8 bytes EE 80 80..EF A3 BF.
bool HasPrivateUse(const std::string& utf8) {
  for (std::size_t i = 0; i + 2 < utf8.size(); ++i) {
    unsigned char b0 = static_cast<unsigned char>(utf8[i]);
    unsigned char b1 = static_cast<unsigned char>(utf8[i + 1]);
    if (b0 == 0xEE || (b0 == 0xEF && b1 <= 0xA3)) return true;
  }
  return false;
}

// The second byte of a double-byte GBK character: 0x40..0x7E or 0x80..0xFE.
bool IsTrailByte(unsigned char byte) {
  return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

// Walks the characters of `text`, handing each to `good` or, when it cannot be converted, its
// bytes to `bad`: a lead byte with a proper trail byte is one character, else the byte alone.
template <typename Good, typename Bad>
void EachCharacter(const std::string& text, Good good, Bad bad) {
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t length = gbk::CharLength(text, i);
    std::string unit = text.substr(i, length), utf8;
    if (GbkToUtf8(unit, utf8)) {
      good(unit, utf8);
    } else {
      if (length == 2 && !IsTrailByte(static_cast<unsigned char>(text[i + 1]))) length = 1;
      bad();
    }
    i += length;
  }
}

}  // namespace

bool GbkToUtf8(const std::string& gbk, std::string& out) {
  std::string back;
  return platform::GbkToUtf8(gbk, out) && !HasPrivateUse(out) && platform::Utf8ToGbk(out, back) &&
         back == gbk;
}

bool Utf8ToGbk(const std::string& utf8, std::string& out) {
  std::string back;
  return !HasPrivateUse(utf8) && platform::Utf8ToGbk(utf8, out) && platform::GbkToUtf8(out, back) &&
         back == utf8;
}

std::string GbkToUtf8Shown(const std::string& gbk) {
  std::string out;
  if (GbkToUtf8(gbk, out)) return out;
  out.clear();
  EachCharacter(
      gbk, [&out](const std::string&, const std::string& utf8) { out += utf8; },
      [&out] { out += "\xEF\xBF\xBD"; });
  return out;
}

std::string MendGbk(const std::string& gbk) {
  std::string out;
  if (GbkToUtf8(gbk, out)) return gbk;
  out.clear();
  EachCharacter(
      gbk, [&out](const std::string& unit, const std::string&) { out += unit; },
      [&out] { out += '?'; });
  return out;
}

}  // namespace vjdcfg
