// GBK <-> UTF-8 as the tool converts texts: exact in both directions, the same characters on
// Linux (iconv) and Windows (code page 936), and what cannot be converted shown or mended.
#include "GbkConverter.h"

#include <gtest/gtest.h>

using namespace vjdcfg;

namespace {

std::string ToUtf8(const std::string& gbk) {
  std::string out;
  EXPECT_TRUE(GbkToUtf8(gbk, out)) << gbk;
  return out;
}

std::string ToGbk(const std::string& utf8) {
  std::string out;
  EXPECT_TRUE(Utf8ToGbk(utf8, out)) << utf8;
  return out;
}

TEST(GbkConverter, ConvertsTextsExactlyBothWays) {
  EXPECT_EQ(ToUtf8("设备名称 a1"), u8"设备名称 a1");
  EXPECT_EQ(ToGbk(u8"设备名称 a1"), "设备名称 a1");
  EXPECT_EQ(ToUtf8("宋体"), u8"宋体");
  EXPECT_EQ(ToUtf8(""), "");
  EXPECT_EQ(ToUtf8("\x81\x5C"), u8"乗");  // a second byte that is a backslash
  EXPECT_EQ(ToUtf8("\x80"), u8"€");       // code page 936's one single-byte character
  EXPECT_EQ(ToGbk(u8"€"), "\x80");
  EXPECT_EQ(ToGbk(u8"·—"), "\xA1\xA4\xA1\xAA");
}

TEST(GbkConverter, RefusesWhatIsNoGbkText) {
  std::string out;
  for (const char* gbk : {"\xFF", "\x81", "a\xB0", "\x81\x20", "\x81\x7F",
                          "\xA1\x40",             // user-defined area
                          "\xAA\xA1",             // user-defined area
                          "\x81\x30\x81\x30"}) {  // a four-byte GB18030 character
    EXPECT_FALSE(GbkToUtf8(gbk, out)) << gbk;
  }
  for (const char* utf8 : {u8"\U0001F600", u8"\uE000", u8"\uF8FF", u8"한국", u8"\u0080",
                           "\xC4\xE3" /* GBK bytes are no UTF-8 */}) {
    EXPECT_FALSE(Utf8ToGbk(utf8, out)) << utf8;
  }
}

// Every double-byte code and every single byte: the convertible ones are the same set on both
// platforms, GBK's 21791 characters and the euro sign.
TEST(GbkConverter, KnowsTheSameCharactersOnEveryPlatform) {
  int singles = 0, doubles = 0;
  std::string out;
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    if (GbkToUtf8(std::string(1, static_cast<char>(byte)), out)) ++singles;
  }
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      if (GbkToUtf8(std::string(pair, 2), out)) ++doubles;
    }
  }
  EXPECT_EQ(singles, 1);
  EXPECT_EQ(doubles, 21791);
}

TEST(GbkConverter, ShowsAndMendsWhatCannotBeConverted) {
  const std::string kBad = u8"\uFFFD";
  EXPECT_EQ(GbkToUtf8Shown("设备"), u8"设备");
  EXPECT_EQ(GbkToUtf8Shown("a\xFF"
                           "b"),
            "a" + kBad + "b");
  EXPECT_EQ(GbkToUtf8Shown("\xA1\x40z"), kBad + "z");  // lead and trail: one character
  EXPECT_EQ(GbkToUtf8Shown("\x81 z"), kBad + " z");    // a lead without its trail
  EXPECT_EQ(GbkToUtf8Shown("ab\xB0"), "ab" + kBad);    // cut off at the end
  EXPECT_EQ(MendGbk("设备"), "设备");
  EXPECT_EQ(MendGbk("a\xFF"
                    "b"),
            "a?b");
  EXPECT_EQ(MendGbk("\xA1\x40z设"), "?z设");
  EXPECT_EQ(MendGbk("\x81 z"), "? z");
  EXPECT_EQ(MendGbk("ab\xB0"), "ab?");
}

}  // namespace
