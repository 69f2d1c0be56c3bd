// Every exported device parameter class, for code that wants the whole family at once.
#pragma once

#include "AuxiliaryDevices.h"
#include "CJDDatabase.h"
#include "DeviceBase.h"
#include "ElectricalDevices.h"
#include "HoistingDevices.h"
