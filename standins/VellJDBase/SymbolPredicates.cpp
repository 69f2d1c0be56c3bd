// The motor and short-circuit predicates and the default label visibility (see VellJDLabels.h).
#define VELLJDBASE_BUILD
#include <cstring>

#include "VellJDLabels.h"
#include "quarnkernel.h"

namespace {

bool KindNameIs(int handle, const char* kindName) {
  char buffer[QK_LABEL_TEXT_SIZE] = {};  // the kernel writes at most 32 bytes here
  if (!EntityParam(handle, ATTR_KIND_NAME, buffer, 0)) return false;
  buffer[QK_NAME_SIZE - 1] = '\0';
  return std::strcmp(buffer, kindName) == 0;
}

}  // namespace

extern "C" {

int VJDLABELS_CALL IsMotorSymbol(int handle) {
  return KindNameIs(handle, "电动机") ? 1 : 0;
}

int VJDLABELS_CALL IsShortCircuitPoint(int handle) {
  return KindNameIs(handle, "短路点") ? 1 : 0;
}

int VJDLABELS_CALL GetDefaultLabelVisible(void) {
  return 1;
}

}  // extern "C"
