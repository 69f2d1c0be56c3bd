#include "NumberText.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "GbkText.h"

namespace vjd::annotation {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Beyond this the integer digits of a number are no longer added up: up to it their value is
// exact, also as a double (below 2^53), and a value past it lies far beyond the 32-bit range.
constexpr unsigned long long kWholeLimit = 1000000000000000ULL;

// The leading decimal number of a text (after blanks): sign, digits and, for a real, a point and
// an exponent - the part a C conversion would read, without hexadecimal, "inf" or "nan".
struct LeadingDecimal {
  const char* begin = nullptr;  // begin == end: the text starts with no number
  const char* end = nullptr;
  bool negative = false;
  bool plainInteger = false;     // sign and digits only
  unsigned long long whole = 0;  // the integer digits' value, while at most kWholeLimit

  LeadingDecimal(const char* text, bool real) {
    if (text == nullptr) return;
    const char* p = text;
    while (gbk::IsBlank(*p)) ++p;
    const char* start = p;
    negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    const char* digits = p;
    for (; IsDigit(*p); ++p) {
      if (whole <= kWholeLimit) whole = whole * 10 + static_cast<unsigned>(*p - '0');
    }
    bool any = p > digits;
    bool plain = true;
    if (real && *p == '.') {
      ++p;
      plain = false;
      const char* fraction = p;
      while (IsDigit(*p)) ++p;
      any = any || p > fraction;
    }
    if (!any) return;
    if (real && (*p == 'e' || *p == 'E')) {
      const char* e = p + 1;
      if (*e == '+' || *e == '-') ++e;
      if (IsDigit(*e)) {
        while (IsDigit(*e)) ++e;
        p = e;
        plain = false;
      }
    }
    begin = start;
    end = p;
    plainInteger = plain;
  }
  bool Empty() const { return begin == end; }
};

}  // namespace

double ReadReal(const char* text, double outOfRange) {
  const LeadingDecimal number(text, true);
  if (number.Empty()) return 0.0;
  if (number.plainInteger && number.whole <= kWholeLimit) {
    // A whole number of few digits is exact as a double: the value strtod gives, without it.
    const double x = static_cast<double>(number.whole);
    return number.negative ? -x : x;
  }
  // strtod would read on past the decimal part ("0x10", "1e5" after a cut): it gets a copy.
  const std::string copy(number.begin, number.end);
  const double value = std::strtod(copy.c_str(), nullptr);
  return std::isfinite(value) ? value : outOfRange;
}

std::int32_t ReadInt32(const char* text) {
  const LeadingDecimal number(text, false);
  if (number.Empty()) return 0;
  // A value beyond the 32-bit range saturates.
  const long long magnitude =
      number.whole > kWholeLimit ? kWholeLimit + 1 : static_cast<long long>(number.whole);
  const long long value = number.negative ? -magnitude : magnitude;
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(value);
}

}  // namespace vjd::annotation
