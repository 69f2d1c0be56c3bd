// The text rules every reader of GBK texts and numbers shares: character starts, searches, cuts
// and trims (GbkText.h), and the one reader of reals and integers (NumberText.h).
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

#include "GbkText.h"
#include "NumberText.h"

using namespace vjd::annotation;

namespace {

// A double-byte character whose second byte is 'd' (0x64), and one whose second is '\' (0x5C).
const std::string kTrailD = "\xB5\x64";
const std::string kTrailBackslash = "\x95\x5C";

TEST(GbkSearch, MatchesCountOnlyAtCharacterStartsCountedFromTheBeginning) {
  EXPECT_EQ(gbk::Find(kTrailD + "ot", "dot"), std::string::npos);
  EXPECT_EQ(gbk::Find("a" + kTrailD + "dot", "dot"), 3u);
  // A start position inside a character: the walk still counts from the text's beginning.
  EXPECT_EQ(gbk::Find(kTrailD + "d", "d", 1), 2u);
  EXPECT_EQ(gbk::Find("\xB5\xB5"
                      "d",
                      "d", 1),
            2u);
  EXPECT_EQ(gbk::Find(kTrailD, "", 1), 2u) << "an empty needle: the next character start";
  EXPECT_EQ(gbk::Find("ab", "", 1), 1u);
  EXPECT_EQ(gbk::Find("ab", "b", 3), std::string::npos);
  EXPECT_EQ(gbk::FindLast("C:" + kTrailBackslash + "\\x" + kTrailBackslash, '\\'), 4u);
  EXPECT_EQ(gbk::FindLast(kTrailBackslash, '\\'), std::string::npos);
}

TEST(GbkCut, CutsFallOnCharacterBoundariesAndNeverReadPastTheRoom) {
  EXPECT_EQ(gbk::CutToFit("ab" + kTrailD + "c", 4), "ab" + kTrailD);
  EXPECT_EQ(gbk::CutToFit("ab" + kTrailD + "c", 3), "ab");
  char field[5];
  gbk::CopyToBuffer(field, sizeof field, ("ab" + kTrailD + "c").c_str());
  EXPECT_EQ(std::string(field), "ab" + kTrailD);
  gbk::CopyToBuffer(field, 4, ("ab" + kTrailD).c_str());
  EXPECT_STREQ(field, "ab");
  EXPECT_EQ(field[3], 0);
  gbk::CopyToBuffer(field, sizeof field, "ab\xB5");  // a lone lead byte at the end is one byte
  EXPECT_STREQ(field, "ab\xB5");
  gbk::CopyToBuffer(field, sizeof field, nullptr);
  EXPECT_STREQ(field, "");
  const char unterminated[3] = {'x', 'y', 'z'};  // only `size` bytes may be read
  char small[3];
  gbk::CopyToBuffer(small, sizeof small, unterminated);
  EXPECT_STREQ(small, "xy");
}

TEST(GbkCut, LabelTextsFitTheKernelBuffer) {
  std::string text = std::string(98, 'x') + "短路";
  EXPECT_EQ(gbk::CutToFit(text), std::string(98, 'x'));
  EXPECT_EQ(gbk::CutToFit(std::string(99, 'x') + "y"), std::string(99, 'x'));
  EXPECT_EQ(gbk::CutToFit("\x81"), "\x81");  // a lone lead byte at the end is one byte
  const char unterminated[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(gbk::FromBuffer(unterminated, 4), "abcd");
}

TEST(GbkTrim, BlanksGoAtBothEndsOnly) {
  EXPECT_EQ(gbk::Trimmed(" \t\r\n中 文\v\f "), "中 文");
  EXPECT_EQ(gbk::Trimmed("   "), "");
  EXPECT_EQ(gbk::Trimmed(kTrailD), kTrailD);
  for (char c : std::string(" \t\n\v\f\r")) EXPECT_TRUE(gbk::IsBlank(c));
  EXPECT_FALSE(gbk::IsBlank('\0'));
  EXPECT_FALSE(gbk::IsBlank('\xA1'));
}

TEST(NumberReading, RealsFollowTheDecimalCRulesAndAreAlwaysFinite) {
  const std::pair<const char*, double> reals[] = {
      {"0.004abc", 0.004}, {"  +.5e1x", 5.0}, {"-2.", -2.0}, {"1e", 1.0}, {"3e+", 3.0}};
  for (const auto& [text, value] : reals) EXPECT_EQ(ReadReal(text, -1), value) << text;
  // No number: 0.0.  Hexadecimal forms, "inf" and "nan" are no numbers.
  for (const char* none : {"", ".", "-", "abc", "inf", "-infinity", "nan", "NAN(1)", "x1", "0x1A",
                           static_cast<const char*>(nullptr)})
    EXPECT_EQ(ReadReal(none, -1), 0.0) << none;
  // Beyond the double range: no value, the caller's default.
  EXPECT_EQ(ReadReal("1e400", 0.003), 0.003);
  EXPECT_EQ(ReadReal("-1e400", 0.003), 0.003);
  EXPECT_EQ(ReadReal(("1" + std::string(400, '0')).c_str(), 7.0), 7.0);
  EXPECT_EQ(ReadReal("1e-400", 7.0), 0.0) << "too small is still finite";
  EXPECT_EQ(ReadReal("1.7976931348623157e308", 0), 1.7976931348623157e308);
}

TEST(NumberReading, IntegersSaturateAtThe32BitRange) {
  EXPECT_EQ(ReadInt32("12abc"), 12);
  EXPECT_EQ(ReadInt32(" -5"), -5);
  EXPECT_EQ(ReadInt32("+7"), 7);
  EXPECT_EQ(ReadInt32("1.9"), 1);
  EXPECT_EQ(ReadInt32("x1"), 0);
  EXPECT_EQ(ReadInt32(""), 0);
  EXPECT_EQ(ReadInt32(nullptr), 0);
  EXPECT_EQ(ReadInt32("2147483647"), INT32_MAX);
  EXPECT_EQ(ReadInt32("-2147483648"), INT32_MIN);
  EXPECT_EQ(ReadInt32("99999999999"), INT32_MAX);
  EXPECT_EQ(ReadInt32("-99999999999999999999999"), INT32_MIN);
}

}  // namespace
