#include "WholeNumber.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

bool ParseWholeNumber(const char* text, int* value) {
  const char* p = text;
  while (*p == ' ' || *p == '\t') ++p;
  const char* digits = p;
  if (*digits == '+' || *digits == '-') ++digits;
  if (*digits < '0' || *digits > '9') return false;
  errno = 0;
  char* end = nullptr;
  long long parsed = std::strtoll(p, &end, 10);
  if (errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX) return false;
  while (*end == ' ' || *end == '\t') ++end;
  if (*end != '\0') return false;
  *value = static_cast<int>(parsed);
  return true;
}
