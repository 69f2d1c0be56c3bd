// What every device class shares: the export macro, the 4-byte value slot, the database handle
// the classes only pass on, and the database operations of VellJDBase that the classes' virtual
// slots call.
//
// The classes are exported from the plug-in (ordinals after the thirteen command exports) and
// their database-side members from VellJDBase; both modules compile these headers with
// VJD_DEVICES_EXPORTS.  Everything else (tests, native builds) uses them plainly.
#pragma once

#include <cstdint>

#include "CArray.h"  // VjdDword
#include "CString.h"

#if defined(_WIN32) && defined(VJD_DEVICES_EXPORTS)
#define VJD_DEVICES_API __declspec(dllexport)
#else
#define VJD_DEVICES_API
#endif

// The host's ABI is 32-bit: there every member is 4 bytes wide and the layouts are asserted.
#if defined(_WIN32) && !defined(_WIN64)
#define VJD_DEVICES_32BIT_LAYOUT 1
#else
#define VJD_DEVICES_32BIT_LAYOUT 0
#endif

// A 4-byte numeric slot; what it holds is VellJDBase's business.  Copied bit for bit.
using DeviceValue = std::int32_t;
static_assert(sizeof(DeviceValue) == 4, "device values are 4 bytes");

// The ADO connection wrapper of the database access layer; the device classes only pass it on.
class CADODatabase;
class CJDDatabase;

#include "VellJDBase.h"
