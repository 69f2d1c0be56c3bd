// CAutomaticSwitch: the parameters of an automatic feeder switch.
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

  DeviceValue m_nAutoSw1 = 0, m_nAutoSw2 = 0, m_nAutoSw3 = 0, m_nAutoSw4 = 0, m_nAutoSw5 = 0;
  CString m_strAutoSw1;
  DeviceValue m_nAutoSw6 = 0, m_nAutoSw7 = 0, m_nAutoSw8 = 0;
  CString m_strAutoSw2, m_strAutoSw3;
  DeviceValue m_nAutoSw9 = 0, m_nAutoSw10 = 0;
};
