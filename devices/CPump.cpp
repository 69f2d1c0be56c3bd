#include "CPump.h"

CPump::CPump() = default;
CPump::CPump(const CPump&) = default;
CPump& CPump::operator=(const CPump&) = default;
CPump::~CPump() = default;
