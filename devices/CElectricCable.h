// CElectricCable: the parameters of one cable.
#pragma once

#include "CJDDatabase.h"

class VJD_DEVICES_API CElectricCable : public CJDDatabase {
 public:
  CElectricCable();
  CElectricCable(const CElectricCable& other);
  CElectricCable& operator=(const CElectricCable& other);
  ~CElectricCable();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CElectricCable", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CElectricCable", db, mode, id);
  }
  // Slots 2 and 3: the work is done by VellJDBase.
  int GetStockDBData(CADODatabase* db, CString key) override {
    return JDBaseGetStockDBData(this, "CElectricCable", db, key);
  }
  int SetStockDBData(CADODatabase* db, int mode, CString key) override {
    return JDBaseSetStockDBData(this, "CElectricCable", db, mode, key);
  }

  CString m_strCable1;
  DeviceValue m_nCable1 = 0, m_nCable2 = 0, m_nCable3 = 0, m_nCable4 = 0, m_nCable5 = 0,
              m_nCable6 = 0, m_nCable7 = 0;
  CString m_strCable2, m_strCable3, m_strCable4, m_strCable5, m_strCable6, m_strCable7, m_strCable8;
};
