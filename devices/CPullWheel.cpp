#include "CPullWheel.h"

CPullWheel::CPullWheel() = default;
CPullWheel::CPullWheel(const CPullWheel&) = default;
CPullWheel& CPullWheel::operator=(const CPullWheel&) = default;
CPullWheel::~CPullWheel() = default;
