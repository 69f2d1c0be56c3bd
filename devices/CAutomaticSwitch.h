// CAutomaticSwitch: the parameters of an automatic feeder switch.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CAutomaticSwitch : public CDevice {
 public:
  CAutomaticSwitch();
  CAutomaticSwitch(const CAutomaticSwitch& other);
  CAutomaticSwitch& operator=(const CAutomaticSwitch& other);
  ~CAutomaticSwitch();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CAutomaticSwitch", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CAutomaticSwitch", db, mode, id);
  }

  DeviceValue m_nAutoSw1;
  DeviceValue m_nAutoSw2;
  DeviceValue m_nAutoSw3;
  DeviceValue m_nAutoSw4;
  DeviceValue m_nAutoSw5;
  CString m_strAutoSw1;
  DeviceValue m_nAutoSw6;
  DeviceValue m_nAutoSw7;
  DeviceValue m_nAutoSw8;
  CString m_strAutoSw2;
  CString m_strAutoSw3;
  DeviceValue m_nAutoSw9;
  DeviceValue m_nAutoSw10;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CAutomaticSwitch) == 4 * (1 + 30),
              "CAutomaticSwitch: 30 members after the vtable reference");
#endif
