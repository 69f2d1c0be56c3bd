#include "CSingleRopeElevator.h"

CSingleRopeElevator::CSingleRopeElevator() = default;
CSingleRopeElevator::CSingleRopeElevator(const CSingleRopeElevator&) = default;
CSingleRopeElevator& CSingleRopeElevator::operator=(const CSingleRopeElevator&) = default;
CSingleRopeElevator::~CSingleRopeElevator() = default;
