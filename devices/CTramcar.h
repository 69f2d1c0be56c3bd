// CTramcar: the parameters of a mine car.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CTramcar : public CDevice {
 public:
  CTramcar();
  CTramcar(const CTramcar& other);
  CTramcar& operator=(const CTramcar& other);
  ~CTramcar();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CTramcar", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CTramcar", db, mode, id);
  }

  CString m_strTram1;
  DeviceValue m_nTram1 = 0, m_nTram2 = 0, m_nTram3 = 0, m_nTram4 = 0, m_nTram5 = 0, m_nTram6 = 0,
              m_nTram7 = 0, m_nTram8 = 0;
  CString m_strTram2, m_strTram3, m_strTram4;
};
