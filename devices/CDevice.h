// CDevice: the parameters every electromechanical device shares (name, model, maker and the like),
// and the stock-table operations of slots 2 and 3. One of the exported device classes: the layout
// (members in order, 4 bytes each on the 32-bit host, after the virtual table reference) is what
// VellJDBase compiles against.  The object owns its strings; values are plain 4-byte slots that
// this code only copies.
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

  CString m_strDev1;
  CString m_strDev2;
  CString m_strDev3;
  CString m_strDev4;
  CString m_strDev5;
  CString m_strDev6;
  CString m_strDev7;
  CString m_strDev8;
  CString m_strDev9;
  CString m_strDev10;
  CString m_strDev11;
  CString m_strDev12;
  CString m_strDev13;
  DeviceValue m_nDev1;
  DeviceValue m_nDev2;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CDevice) == 4 * (1 + 17), "CDevice: 17 members after the vtable reference");
#endif
