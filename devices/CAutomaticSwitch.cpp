#include "CAutomaticSwitch.h"

CAutomaticSwitch::CAutomaticSwitch() = default;
CAutomaticSwitch::CAutomaticSwitch(const CAutomaticSwitch&) = default;
CAutomaticSwitch& CAutomaticSwitch::operator=(const CAutomaticSwitch&) = default;
CAutomaticSwitch::~CAutomaticSwitch() = default;
