#include "CElevator.h"

CElevator::CElevator() = default;
CElevator::CElevator(const CElevator&) = default;
CElevator& CElevator::operator=(const CElevator&) = default;
CElevator::~CElevator() = default;

int CElevator::GetParaDBData(CADODatabase*, VjdDword) {
  return 0;
}

int CElevator::SetParaDBData(CADODatabase*, int, VjdDword) {
  return 0;
}
