#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "VellBase.h"

namespace {

// The shortest "%.*g" precision whose text reads back to exactly `value`.
int ShortestPrecision(double value) {
  char buf[64];
  for (int p = 1; p < 17; ++p) {
    std::snprintf(buf, sizeof buf, "%.*g", p, value);
    if (std::strtod(buf, nullptr) == value) return p;
  }
  return 17;
}

void StripZeros(std::string& s) {
  size_t dot = s.find('.');
  if (dot == std::string::npos) return;
  size_t end = s.size();
  while (end > dot + 1 && s[end - 1] == '0') --end;
  if (end == dot + 1) --end;
  s.erase(end);
}

std::string Render(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  if (value == 0.0) return "0";
  char buf[400];
  int p = ShortestPrecision(value);
  double mag = std::fabs(value);
  if (mag >= 1e-9 && mag < 1e15) {
    int exponent = static_cast<int>(std::floor(std::log10(mag)));
    int decimals = p - 1 - exponent;
    if (decimals < 0) decimals = 0;
    // log10 may be off by one near powers of ten: widen until the text reads back.
    for (int extra = 0; extra < 3; ++extra) {
      std::snprintf(buf, sizeof buf, "%.*f", decimals + extra, value);
      if (std::strtod(buf, nullptr) == value) {
        std::string s(buf);
        StripZeros(s);
        return s;
      }
    }
  }
  std::snprintf(buf, sizeof buf, "%.*g", p, value);
  return buf;
}

int Emit(const std::string& s, char* text, int size) {
  if (text != nullptr && size > 0) {
    size_t n = s.size() < static_cast<size_t>(size - 1) ? s.size() : static_cast<size_t>(size - 1);
    std::memmove(text, s.data(), n);
    text[n] = '\0';
  }
  return static_cast<int>(s.size());
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Digits with at most one sign, one point and one exponent part; nothing else.
bool IsDecimalNumber(const std::string& s) {
  size_t i = 0, n = s.size();
  if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
  bool digits = false, point = false;
  for (; i < n; ++i) {
    if (s[i] >= '0' && s[i] <= '9') {
      digits = true;
    } else if (s[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return false;
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    bool exp_digits = false;
    while (i < n && s[i] >= '0' && s[i] <= '9') ++i, exp_digits = true;
    if (!exp_digits) return false;
  }
  return i == n;
}

}  // namespace

extern "C" int FormatReal(double value, char* text, int size) {
  return Emit(Render(value), text, size);
}

extern "C" int FormatNumberText(const char* text, char* out, int size) {
  std::string original(text ? text : "");
  size_t b = 0, e = original.size();
  while (b < e && IsBlank(original[b])) ++b;
  while (e > b && IsBlank(original[e - 1])) --e;
  std::string core = original.substr(b, e - b);
  if (!IsDecimalNumber(core)) return Emit(original, out, size);
  double value = std::strtod(core.c_str(), nullptr);
  if (!std::isfinite(value)) return Emit(original, out, size);
  return Emit(Render(value), out, size);
}
