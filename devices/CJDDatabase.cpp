// The default constructor and the destructor belong to VellJDBase.
#include "CJDDatabase.h"

CJDDatabase::CJDDatabase(const CJDDatabase&) = default;
CJDDatabase& CJDDatabase::operator=(const CJDDatabase&) = default;
