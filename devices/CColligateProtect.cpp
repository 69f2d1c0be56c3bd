#include "CColligateProtect.h"

CColligateProtect::CColligateProtect() = default;
CColligateProtect::CColligateProtect(const CColligateProtect&) = default;
CColligateProtect& CColligateProtect::operator=(const CColligateProtect&) = default;
CColligateProtect::~CColligateProtect() = default;
