// CMagneticSwitch: the parameters of a magnetic starter.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CMagneticSwitch : public CDevice {
 public:
  CMagneticSwitch();
  CMagneticSwitch(const CMagneticSwitch& other);
  CMagneticSwitch& operator=(const CMagneticSwitch& other);
  ~CMagneticSwitch();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CMagneticSwitch", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CMagneticSwitch", db, mode, id);
  }

  DeviceValue m_nMagSw1;
  DeviceValue m_nMagSw2;
  DeviceValue m_nMagSw3;
  DeviceValue m_nMagSw4;
  DeviceValue m_nMagSw5;
  CString m_strMagSw1;
  CString m_strMagSw2;
  DeviceValue m_nMagSw6;
  CString m_strMagSw3;
  CString m_strMagSw4;
  DeviceValue m_nMagSw7;
  CString m_strMagSw5;
  CString m_strMagSw6;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CMagneticSwitch) == 4 * (1 + 30),
              "CMagneticSwitch: 30 members after the vtable reference");
#endif
