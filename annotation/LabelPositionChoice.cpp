#include "LabelPositionChoice.h"

#include "SymbolLabelConfig.h"

namespace vjd::annotation {

namespace {
bool IsPositionCode(int code) {
  return code >= 0 && code < kLabelPositionCount;
}
}  // namespace

int PositionButtonForCode(int code) {
  return IsPositionCode(code) ? code : kNoLabelPosition;
}

PositionChoice PositionChoiceForButton(int button) {
  if (!IsPositionCode(button)) return {kNoLabelPosition, ""};
  return {button, LabelPositionName(button)};
}

}  // namespace vjd::annotation
