#include "CDevice.h"

CDevice::CDevice() = default;
CDevice::CDevice(const CDevice&) = default;
CDevice& CDevice::operator=(const CDevice&) = default;
CDevice::~CDevice() = default;
