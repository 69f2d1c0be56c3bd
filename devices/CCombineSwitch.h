// CCombineSwitch: the parameters of a combination switch.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CCombineSwitch : public CDevice {
 public:
  CCombineSwitch();
  CCombineSwitch(const CCombineSwitch& other);
  CCombineSwitch& operator=(const CCombineSwitch& other);
  ~CCombineSwitch();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CCombineSwitch", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CCombineSwitch", db, mode, id);
  }

  CString m_strCombSw1, m_strCombSw2;
  DeviceValue m_nCombSw1 = 0, m_nCombSw2 = 0, m_nCombSw3 = 0, m_nCombSw4 = 0;
  CString m_strCombSw3, m_strCombSw4, m_strCombSw5;
};
