#include "LabelPositionChoice.h"

#include <algorithm>
#include <cstdlib>

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

int PositionButtonAfterArrow(const std::vector<PositionButtonPlace>& places, int from,
                             PositionArrow arrow) {
  const int count = static_cast<int>(places.size());
  if (from < 0 || from >= count) return count > 0 ? 0 : -1;
  const bool across = arrow == PositionArrow::kLeft || arrow == PositionArrow::kRight;
  const int way = arrow == PositionArrow::kLeft || arrow == PositionArrow::kUp ? -1 : +1;
  const PositionButtonPlace& here = places[from];
  int best = from, bestDistance = 0;
  for (int i = 0; i < count; ++i) {
    const PositionButtonPlace& there = places[i];
    const int slack = std::min(here.height, there.height) / 2;
    // Along the row or column (the way the arrow points), and across it (must stay in line).
    const int along = across ? there.left - here.left : there.top - here.top;
    const int aside = across ? there.top - here.top : there.left - here.left;
    if (std::abs(aside) > slack || along * way <= 0) continue;
    if (best == from || along * way < bestDistance) {
      best = i;
      bestDistance = along * way;
    }
  }
  return best;
}

}  // namespace vjd::annotation
