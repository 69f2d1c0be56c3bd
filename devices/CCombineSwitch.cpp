#include "CCombineSwitch.h"

CCombineSwitch::CCombineSwitch() = default;
CCombineSwitch::CCombineSwitch(const CCombineSwitch&) = default;
CCombineSwitch& CCombineSwitch::operator=(const CCombineSwitch&) = default;
CCombineSwitch::~CCombineSwitch() = default;
