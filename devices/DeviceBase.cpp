#include "DeviceBase.h"

// CJDDatabase's default constructor and destructor belong to VellJDBase.
CJDDatabase::CJDDatabase(const CJDDatabase&) = default;
CJDDatabase& CJDDatabase::operator=(const CJDDatabase&) = default;

VJD_DEFAULT_SPECIAL_MEMBERS(CDevice);
