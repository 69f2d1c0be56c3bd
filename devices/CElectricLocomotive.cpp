#include "CElectricLocomotive.h"

CElectricLocomotive::CElectricLocomotive() = default;
CElectricLocomotive::CElectricLocomotive(const CElectricLocomotive&) = default;
CElectricLocomotive& CElectricLocomotive::operator=(const CElectricLocomotive&) = default;
CElectricLocomotive::~CElectricLocomotive() = default;
