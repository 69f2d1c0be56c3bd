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

// The leading decimal number of `text` (after blanks): sign, digits and, for a real, a point and
// an exponent - the part a C conversion would read, without hexadecimal, "inf" or "nan".
std::string LeadingDecimal(const char* text, bool real) {
  std::string out;
  if (text == nullptr) return out;
  const char* p = text;
  while (gbk::IsBlank(*p)) ++p;
  const char* start = p;
  if (*p == '+' || *p == '-') ++p;
  const char* digits = p;
  while (IsDigit(*p)) ++p;
  bool any = p > digits;
  if (real && *p == '.') {
    ++p;
    const char* fraction = p;
    while (IsDigit(*p)) ++p;
    any = any || p > fraction;
  }
  if (!any) return out;
  if (real && (*p == 'e' || *p == 'E')) {
    const char* e = p + 1;
    if (*e == '+' || *e == '-') ++e;
    if (IsDigit(*e)) {
      while (IsDigit(*e)) ++e;
      p = e;
    }
  }
  out.assign(start, p);
  return out;
}

}  // namespace

double ReadReal(const char* text, double outOfRange) {
  const std::string number = LeadingDecimal(text, true);
  if (number.empty()) return 0.0;
  const double value = std::strtod(number.c_str(), nullptr);
  return std::isfinite(value) ? value : outOfRange;
}

std::int32_t ReadInt32(const char* text) {
  const std::string number = LeadingDecimal(text, false);
  if (number.empty()) return 0;
  // At most a sign and digits: a value beyond the 32-bit range saturates.
  const bool negative = number[0] == '-';
  long long value = 0;
  for (char c : number) {
    if (!IsDigit(c)) continue;
    value = value * 10 + (c - '0');
    if (value > static_cast<long long>(INT32_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(value);
}

}  // namespace vjd::annotation
