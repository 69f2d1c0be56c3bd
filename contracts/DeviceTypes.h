// What every device class shares: the export macro, the 4-byte value slot, the database handle
// the classes only pass on, and the declaration and definition of their special members.
//
// A device object holds its base's members, then its own, in a fixed order: strings it owns and
// 4-byte values that this code only copies.  VellJDBase compiles against that layout (checked
// member by member in DeviceLayout.cpp).  Every class declares its default constructor, copy
// constructor, copy assignment and destructor and defaults them in its family's .cpp, so each is
// a real, exported function: copying and assigning go base first, then the members in
// declaration order, strings by their reference-counted copy and values bit for bit; assignment
// leaves the virtual table alone; nothing is virtual but the four database slots.  Values start
// at 0.
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

// A 4-byte numeric slot; what it holds is VellJDBase's business.  Copied bit for bit.
using DeviceValue = std::int32_t;
static_assert(sizeof(DeviceValue) == 4, "device values are 4 bytes");

// The ADO connection wrapper of the database access layer; the device classes only pass it on.
class CADODatabase;
class CJDDatabase;

// Declares a device class's four special members; VJD_DEFAULT_SPECIAL_MEMBERS defines them.
#define VJD_DEVICE_SPECIAL_MEMBERS(Class) \
  Class();                                \
  Class(const Class& other);              \
  Class& operator=(const Class& other);   \
  ~Class()

// Defines them `= default` out of line, in the class's .cpp.
#define VJD_DEFAULT_SPECIAL_MEMBERS(Class)         \
  Class::Class() = default;                        \
  Class::Class(const Class&) = default;            \
  Class& Class::operator=(const Class&) = default; \
  Class::~Class() = default
