#include "CEletromotor.h"

CEletromotor::CEletromotor() = default;
CEletromotor::CEletromotor(const CEletromotor&) = default;
CEletromotor& CEletromotor::operator=(const CEletromotor&) = default;
CEletromotor::~CEletromotor() = default;
