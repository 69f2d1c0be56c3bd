#include "CElectricCable.h"

CElectricCable::CElectricCable() = default;
CElectricCable::CElectricCable(const CElectricCable&) = default;
CElectricCable& CElectricCable::operator=(const CElectricCable&) = default;
CElectricCable::~CElectricCable() = default;
