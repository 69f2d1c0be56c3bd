// CPump: the parameters of a pump.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CPump : public CDevice {
 public:
  CPump();
  CPump(const CPump& other);
  CPump& operator=(const CPump& other);
  ~CPump();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CPump", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CPump", db, mode, id);
  }

  DeviceValue m_nPump1 = 0, m_nPump2 = 0, m_nPump3 = 0, m_nPump4 = 0, m_nPump5 = 0, m_nPump6 = 0,
              m_nPump7 = 0, m_nPump8 = 0, m_nPump9 = 0, m_nPump10 = 0, m_nPump11 = 0, m_nPump12 = 0,
              m_nPump13 = 0, m_nPump14 = 0, m_nPump15 = 0, m_nPump16 = 0, m_nPump17 = 0,
              m_nPump18 = 0, m_nPump19 = 0, m_nPump20 = 0, m_nPump21 = 0, m_nPump22 = 0;
  CString m_strPump1;
  DeviceValue m_nPump23 = 0, m_nPump24 = 0, m_nPump25 = 0, m_nPump26 = 0, m_nPump27 = 0,
              m_nPump28 = 0, m_nPump29 = 0, m_nPump30 = 0, m_nPump31 = 0, m_nPump32 = 0,
              m_nPump33 = 0;
};
