// CHighVoltageSwitch: the parameters of a high-voltage switch.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CHighVoltageSwitch : public CDevice {
 public:
  CHighVoltageSwitch();
  CHighVoltageSwitch(const CHighVoltageSwitch& other);
  CHighVoltageSwitch& operator=(const CHighVoltageSwitch& other);
  ~CHighVoltageSwitch();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CHighVoltageSwitch", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CHighVoltageSwitch", db, mode, id);
  }

  DeviceValue m_nHvSw1;
  DeviceValue m_nHvSw2;
  DeviceValue m_nHvSw3;
  DeviceValue m_nHvSw4;
  DeviceValue m_nHvSw5;
  DeviceValue m_nHvSw6;
  DeviceValue m_nHvSw7;
  DeviceValue m_nHvSw8;
  DeviceValue m_nHvSw9;
  DeviceValue m_nHvSw10;
  DeviceValue m_nHvSw11;
  DeviceValue m_nHvSw12;
  DeviceValue m_nHvSw13;
  DeviceValue m_nHvSw14;
  DeviceValue m_nHvSw15;
  DeviceValue m_nHvSw16;
  DeviceValue m_nHvSw17;
  DeviceValue m_nHvSw18;
  CString m_strHvSw1;
  CString m_strHvSw2;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CHighVoltageSwitch) == 4 * (1 + 37),
              "CHighVoltageSwitch: 37 members after the vtable reference");
#endif
