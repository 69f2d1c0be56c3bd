#include "CJiakongLine.h"

CJiakongLine::CJiakongLine() = default;
CJiakongLine::CJiakongLine(const CJiakongLine&) = default;
CJiakongLine& CJiakongLine::operator=(const CJiakongLine&) = default;
CJiakongLine::~CJiakongLine() = default;
