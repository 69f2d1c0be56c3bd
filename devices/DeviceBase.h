// CDevice, the base of every device kind but the cable, and the slots whose work VellJDBase does.
//
// Slots 0 and 1 (GetParaDBData, SetParaDBData) read and write a device's own parameters, slots 2
// and 3 (GetStockDBData, SetStockDBData) the stock table.  VellJDBase does that work for most
// classes; the classes here only forward to it with their name.
#pragma once

#include "CJDDatabase.h"
#include "VellJDBase.h"

// Slots 0 and 1 of a class whose parameters VellJDBase reads and writes.
#define VJD_PARA_SLOTS_IN_VELLJDBASE(Class)                             \
  int GetParaDBData(CADODatabase* db, VjdDword id) override {           \
    return JDBaseGetParaDBData(this, #Class, db, id);                   \
  }                                                                     \
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override { \
    return JDBaseSetParaDBData(this, #Class, db, mode, id);             \
  }

// Slots 2 and 3 of a class whose stock table VellJDBase reads and writes.
#define VJD_STOCK_SLOTS_IN_VELLJDBASE(Class)                             \
  int GetStockDBData(CADODatabase* db, CString key) override {           \
    return JDBaseGetStockDBData(this, #Class, db, key);                  \
  }                                                                      \
  int SetStockDBData(CADODatabase* db, int mode, CString key) override { \
    return JDBaseSetStockDBData(this, #Class, db, mode, key);            \
  }

// Slots 0 and 1 of an intermediate kind that has nothing of its own to read or write: declared
// in the class, defined by VJD_DEFINE_EMPTY_PARA_SLOTS in its .cpp, where both return 0.
#define VJD_EMPTY_PARA_SLOTS                                 \
  int GetParaDBData(CADODatabase* db, VjdDword id) override; \
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override

#define VJD_DEFINE_EMPTY_PARA_SLOTS(Class)                 \
  int Class::GetParaDBData(CADODatabase*, VjdDword) {      \
    return 0;                                              \
  }                                                        \
  int Class::SetParaDBData(CADODatabase*, int, VjdDword) { \
    return 0;                                              \
  }

// The parameters every electromechanical device shares (name, model, maker and the like).  Slots
// 0 and 1 stay pure: each kind answers them itself.
class VJD_DEVICES_API CDevice : public CJDDatabase {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CDevice);
  VJD_STOCK_SLOTS_IN_VELLJDBASE(CDevice)

  CString m_strDev1, m_strDev2, m_strDev3, m_strDev4, m_strDev5, m_strDev6, m_strDev7, m_strDev8,
      m_strDev9, m_strDev10, m_strDev11, m_strDev12, m_strDev13;
  DeviceValue m_nDev1 = 0, m_nDev2 = 0;
};
