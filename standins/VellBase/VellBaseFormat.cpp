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

// The bytes of `s` that fit `room` bytes without splitting a double-byte GBK character (a lead
// byte 0x81..0xFE and the byte after it).
size_t Fitting(const std::string& s, size_t room) {
  if (s.size() <= room) return s.size();
  size_t end = 0;
  while (end < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[end]);
    const size_t width = (c >= 0x81 && c <= 0xFE && end + 1 < s.size()) ? 2 : 1;
    if (end + width > room) break;
    end += width;
  }
  return end;
}

int Emit(const std::string& s, char* text, int size) {
  if (text != nullptr && size > 0) {
    const size_t n = Fitting(s, static_cast<size_t>(size - 1));
    std::memmove(text, s.data(), n);
    text[n] = '\0';
  }
  return static_cast<int>(s.size());
}

// The failure of an export: an empty text where there is room for one.
int Failed(char* text, int size) {
  if (text != nullptr && size > 0) text[0] = '\0';
  return -1;
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

// No exception leaves an export: the caller may be code of another compiler or language.
extern "C" int FormatReal(double value, char* text, int size) {
  try {
    return Emit(Render(value), text, size);
  } catch (...) {
    return Failed(text, size);
  }
}

extern "C" int FormatNumberText(const char* text, char* out, int size) {
  try {
    std::string original(text ? text : "");
    size_t b = 0, e = original.size();
    while (b < e && IsBlank(original[b])) ++b;
    while (e > b && IsBlank(original[e - 1])) --e;
    std::string core = original.substr(b, e - b);
    if (!IsDecimalNumber(core)) return Emit(original, out, size);
    double value = std::strtod(core.c_str(), nullptr);
    if (!std::isfinite(value)) return Emit(original, out, size);
    return Emit(Render(value), out, size);
  } catch (...) {
    return Failed(out, size);
  }
}
