#include "CMagneticSwitch.h"

CMagneticSwitch::CMagneticSwitch() = default;
CMagneticSwitch::CMagneticSwitch(const CMagneticSwitch&) = default;
CMagneticSwitch& CMagneticSwitch::operator=(const CMagneticSwitch&) = default;
CMagneticSwitch::~CMagneticSwitch() = default;
