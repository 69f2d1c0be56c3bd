// CHighVoltageSwitch: the parameters of a high-voltage switch.
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

  DeviceValue m_nHvSw1 = 0, m_nHvSw2 = 0, m_nHvSw3 = 0, m_nHvSw4 = 0, m_nHvSw5 = 0, m_nHvSw6 = 0,
              m_nHvSw7 = 0, m_nHvSw8 = 0, m_nHvSw9 = 0, m_nHvSw10 = 0, m_nHvSw11 = 0, m_nHvSw12 = 0,
              m_nHvSw13 = 0, m_nHvSw14 = 0, m_nHvSw15 = 0, m_nHvSw16 = 0, m_nHvSw17 = 0,
              m_nHvSw18 = 0;
  CString m_strHvSw1, m_strHvSw2;
};
