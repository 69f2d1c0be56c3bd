#include "CHighVoltageSwitch.h"

CHighVoltageSwitch::CHighVoltageSwitch() = default;
CHighVoltageSwitch::CHighVoltageSwitch(const CHighVoltageSwitch&) = default;
CHighVoltageSwitch& CHighVoltageSwitch::operator=(const CHighVoltageSwitch&) = default;
CHighVoltageSwitch::~CHighVoltageSwitch() = default;
