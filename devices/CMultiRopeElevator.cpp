#include "CMultiRopeElevator.h"

CMultiRopeElevator::CMultiRopeElevator() = default;
CMultiRopeElevator::CMultiRopeElevator(const CMultiRopeElevator&) = default;
CMultiRopeElevator& CMultiRopeElevator::operator=(const CMultiRopeElevator&) = default;
CMultiRopeElevator::~CMultiRopeElevator() = default;
