// CColligateProtect: the parameters of a combined protection unit.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CColligateProtect : public CDevice {
 public:
  CColligateProtect();
  CColligateProtect(const CColligateProtect& other);
  CColligateProtect& operator=(const CColligateProtect& other);
  ~CColligateProtect();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CColligateProtect", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CColligateProtect", db, mode, id);
  }

  CString m_strProtect1, m_strProtect2;
  DeviceValue m_nProtect1 = 0, m_nProtect2 = 0, m_nProtect3 = 0, m_nProtect4 = 0, m_nProtect5 = 0,
              m_nProtect6 = 0, m_nProtect7 = 0, m_nProtect8 = 0, m_nProtect9 = 0, m_nProtect10 = 0,
              m_nProtect11 = 0, m_nProtect12 = 0, m_nProtect13 = 0, m_nProtect14 = 0;
  CString m_strProtect3;
};
