// CElectricMotor: the parameters of an electric motor.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CElectricMotor : public CDevice {
 public:
  CElectricMotor();
  CElectricMotor(const CElectricMotor& other);
  CElectricMotor& operator=(const CElectricMotor& other);
  ~CElectricMotor();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CElectricMotor", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CElectricMotor", db, mode, id);
  }

  CString m_strMotor1;
  DeviceValue m_nMotor1;
  DeviceValue m_nMotor2;
  DeviceValue m_nMotor3;
  DeviceValue m_nMotor4;
  DeviceValue m_nMotor5;
  DeviceValue m_nMotor6;
  DeviceValue m_nMotor7;
  DeviceValue m_nMotor8;
  DeviceValue m_nMotor9;
  DeviceValue m_nMotor10;
  DeviceValue m_nMotor11;
  DeviceValue m_nMotor12;
  CString m_strMotor2;
  CString m_strMotor3;
  DeviceValue m_nMotor13;
  CString m_strMotor4;
  DeviceValue m_nMotor14;
  DeviceValue m_nMotor15;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CElectricMotor) == 4 * (1 + 36),
              "CElectricMotor: 36 members after the vtable reference");
#endif
