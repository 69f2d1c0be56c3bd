#include "CFannerCurve.h"

CFannerCurve::CFannerCurve() = default;
CFannerCurve::CFannerCurve(const CFannerCurve&) = default;
CFannerCurve& CFannerCurve::operator=(const CFannerCurve&) = default;
CFannerCurve::~CFannerCurve() = default;

int CFannerCurve::GetParaDBData(CADODatabase*, VjdDword) {
  return 0;
}

int CFannerCurve::SetParaDBData(CADODatabase*, int, VjdDword) {
  return 0;
}
