#include "CCage.h"

CCage::CCage() = default;
CCage::CCage(const CCage&) = default;
CCage& CCage::operator=(const CCage&) = default;
CCage::~CCage() = default;

int CCage::GetParaDBData(CADODatabase*, VjdDword) {
  return 0;
}

int CCage::SetParaDBData(CADODatabase*, int, VjdDword) {
  return 0;
}
