#include "VellBase.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

namespace {

std::string Real(double v) {
  char buf[64];
  FormatReal(v, buf, sizeof buf);
  return buf;
}

std::string Tidy(const char* text) {
  char buf[64];
  FormatNumberText(text, buf, sizeof buf);
  return buf;
}

TEST(FormatReal, DrawingValuesReadAsADraftsmanWritesThem) {
  const std::pair<double, const char*> cases[] = {
      {0.003, "0.003"},  {0.0015, "0.0015"},
      {2.0, "2"},        {12.5, "12.5"},
      {-1.25, "-1.25"},  {0.0, "0"},
      {-0.0, "0"},       {100.0, "100"},
      {1e-5, "0.00001"}, {123456789.0, "123456789"},
      {1e20, "1e+20"},  // beyond drawing values: exponent form
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(Real(value), text) << value;
  // Written out in full from 1e-9 to below 1e15, in exponent form beyond.
  EXPECT_EQ(Real(1e-9), "0.000000001");
  EXPECT_EQ(Real(1e-10), "1e-10");
  EXPECT_EQ(Real(1e14), "100000000000000");
  EXPECT_EQ(Real(1e15), "1e+15");
}

TEST(FormatReal, EveryTextReadsBackToTheSameDouble) {
  const double values[] = {0.1 + 0.2,           1.0 / 3.0, 2.0 / 3.0 * 1e-7,
                           987654.321,          1e-9,      9.999999e14,
                           0.30000000000000004, 5e-324,    1.7976931348623157e308};
  for (double v : values) {
    std::string s = Real(v);
    EXPECT_EQ(std::strtod(s.c_str(), nullptr), v) << s;
  }
  EXPECT_EQ(Real(0.1 + 0.2), "0.30000000000000004");
}

TEST(FormatReal, SmallBuffersAreCutAndTerminated) {
  char buf[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(FormatReal(0.0015, buf, sizeof buf), 6);
  EXPECT_STREQ(buf, "0.0");
  EXPECT_EQ(FormatReal(1.5, nullptr, 0), 3);
}

TEST(FormatNumberText, NumbersAreTidiedAndOtherTextsKept) {
  const std::pair<const char*, const char*> cases[] = {
      {"2.500", "2.5"},   {" 0.30 ", "0.3"},  {"1e3", "1000"},
      {"007", "7"},       {"-0.0", "0"},      {"MY-3x70", "MY-3x70"},
      {"1.2.3", "1.2.3"}, {"0x10", "0x10"},   {"inf", "inf"},
      {"电缆", "电缆"},   {"", ""},           {"1e999", "1e999"},  // out of range: not rewritten
      {"1e", "1e"},       {"2.5E+", "2.5E+"},  // an exponent without digits: not a number
  };
  for (const auto& [text, tidied] : cases) EXPECT_EQ(Tidy(text), tidied) << '"' << text << '"';
  char same[32] = "3.1400";
  FormatNumberText(same, same, sizeof same);
  EXPECT_STREQ(same, "3.14");
}

TEST(FormatNumberText, ACutNeverSplitsADoubleByteCharacter) {
  std::string cable;
  for (int i = 0; i < 75; ++i) cable += "电";  // 150 bytes, not a number: copied unchanged
  char out[100];
  EXPECT_EQ(FormatNumberText(cable.c_str(), out, sizeof out), 150);
  EXPECT_EQ(std::string(out), cable.substr(0, 98)) << "49 characters; the 50th would need 100";
  EXPECT_EQ(FormatNumberText(("a" + cable).c_str(), out, sizeof out), 151);
  EXPECT_EQ(std::string(out), "a" + cable.substr(0, 98)) << "the buffer filled exactly";
  EXPECT_EQ(FormatNumberText((cable + "x").c_str(), out, 3), 151);
  EXPECT_STREQ(out, "电");
  EXPECT_EQ(FormatNumberText(cable.c_str(), out, 2), 150);
  EXPECT_STREQ(out, "");
}

}  // namespace
