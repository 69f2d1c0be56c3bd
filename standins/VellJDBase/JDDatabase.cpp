// CJDDatabase's default constructor and destructor, which belong to VellJDBase.
#define VELLJDBASE_DEVICES_BUILD
#include "CJDDatabase.h"

CJDDatabase::CJDDatabase() = default;

CJDDatabase::~CJDDatabase() = default;
