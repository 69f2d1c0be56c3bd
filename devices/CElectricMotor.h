// CElectricMotor: the parameters of an electric motor.
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
  DeviceValue m_nMotor1 = 0, m_nMotor2 = 0, m_nMotor3 = 0, m_nMotor4 = 0, m_nMotor5 = 0,
              m_nMotor6 = 0, m_nMotor7 = 0, m_nMotor8 = 0, m_nMotor9 = 0, m_nMotor10 = 0,
              m_nMotor11 = 0, m_nMotor12 = 0;
  CString m_strMotor2, m_strMotor3;
  DeviceValue m_nMotor13 = 0;
  CString m_strMotor4;
  DeviceValue m_nMotor14 = 0, m_nMotor15 = 0;
};
