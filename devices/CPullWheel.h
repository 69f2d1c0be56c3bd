// CPullWheel: the parameters of a head sheave.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CPullWheel : public CDevice {
 public:
  CPullWheel();
  CPullWheel(const CPullWheel& other);
  CPullWheel& operator=(const CPullWheel& other);
  ~CPullWheel();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CPullWheel", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CPullWheel", db, mode, id);
  }

  CString m_strWheel1;
  DeviceValue m_nWheel1 = 0, m_nWheel2 = 0, m_nWheel3 = 0;
  CString m_strWheel2;
  DeviceValue m_nWheel4 = 0, m_nWheel5 = 0, m_nWheel6 = 0, m_nWheel7 = 0, m_nWheel8 = 0,
              m_nWheel9 = 0;
};
