#include "CRetarder.h"

CRetarder::CRetarder() = default;
CRetarder::CRetarder(const CRetarder&) = default;
CRetarder& CRetarder::operator=(const CRetarder&) = default;
CRetarder::~CRetarder() = default;
