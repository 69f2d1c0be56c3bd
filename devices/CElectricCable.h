// CElectricCable: the parameters of one cable.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
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
  DeviceValue m_nCable1;
  DeviceValue m_nCable2;
  DeviceValue m_nCable3;
  DeviceValue m_nCable4;
  DeviceValue m_nCable5;
  DeviceValue m_nCable6;
  DeviceValue m_nCable7;
  CString m_strCable2;
  CString m_strCable3;
  CString m_strCable4;
  CString m_strCable5;
  CString m_strCable6;
  CString m_strCable7;
  CString m_strCable8;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CElectricCable) == 4 * (1 + 17),
              "CElectricCable: 17 members after the vtable reference");
#endif
