// CMagneticSwitch: the parameters of a magnetic starter.
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

  DeviceValue m_nMagSw1 = 0, m_nMagSw2 = 0, m_nMagSw3 = 0, m_nMagSw4 = 0, m_nMagSw5 = 0;
  CString m_strMagSw1, m_strMagSw2;
  DeviceValue m_nMagSw6 = 0;
  CString m_strMagSw3, m_strMagSw4;
  DeviceValue m_nMagSw7 = 0;
  CString m_strMagSw5, m_strMagSw6;
};
