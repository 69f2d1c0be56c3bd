#include "CWireRope.h"

CWireRope::CWireRope() = default;
CWireRope::CWireRope(const CWireRope&) = default;
CWireRope& CWireRope::operator=(const CWireRope&) = default;
CWireRope::~CWireRope() = default;
