#include "CElectricMotor.h"

CElectricMotor::CElectricMotor() = default;
CElectricMotor::CElectricMotor(const CElectricMotor&) = default;
CElectricMotor& CElectricMotor::operator=(const CElectricMotor&) = default;
CElectricMotor::~CElectricMotor() = default;
