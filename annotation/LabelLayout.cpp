#include "LabelLayout.h"

#include <cmath>

double LabelLayout::UsableMapScale(double mapScale) {
  if (!std::isfinite(mapScale) || mapScale == 0.0) return 1.0;
  return mapScale;
}

double LabelLayout::LoadedAnchorY(int code, double baseY, double symbolSize, double mapScale) {
  const double f = UsableMapScale(mapScale);
  switch (code) {
    case 21:
      return baseY + (symbolSize / 2.2) / f;
    case 22:
      return baseY + (symbolSize / 4) / f;
    case 23:
      return baseY - (symbolSize / 4) / f;
    case 24:
      return baseY - (symbolSize / 2.2) / f;
    default:
      return baseY;
  }
}

double LabelLayout::ChosenAnchorY(int code, double baseY, double symbolSize) {
  switch (code) {
    case 21:
      return baseY + symbolSize / 2.2;
    case 22:
      return baseY + symbolSize / 4.2;
    case 23:
      return baseY - symbolSize / 4.2;
    case 24:
      return baseY - symbolSize / 2.2;
    default:
      return baseY;
  }
}
