// CDevice: the parameters every electromechanical device shares (name, model, maker and the
// like), and the stock-table operations of slots 2 and 3.
#pragma once

#include "CJDDatabase.h"

class VJD_DEVICES_API CDevice : public CJDDatabase {
 public:
  CDevice();
  CDevice(const CDevice& other);
  CDevice& operator=(const CDevice& other);
  ~CDevice();

  virtual int GetParaDBData(CADODatabase* db, VjdDword id) = 0;
  virtual int SetParaDBData(CADODatabase* db, int mode, VjdDword id) = 0;
  // Slots 2 and 3: the work is done by VellJDBase.
  int GetStockDBData(CADODatabase* db, CString key) override {
    return JDBaseGetStockDBData(this, "CDevice", db, key);
  }
  int SetStockDBData(CADODatabase* db, int mode, CString key) override {
    return JDBaseSetStockDBData(this, "CDevice", db, mode, key);
  }

  CString m_strDev1, m_strDev2, m_strDev3, m_strDev4, m_strDev5, m_strDev6, m_strDev7, m_strDev8,
      m_strDev9, m_strDev10, m_strDev11, m_strDev12, m_strDev13;
  DeviceValue m_nDev1 = 0, m_nDev2 = 0;
};
