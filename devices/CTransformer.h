// CTransformer: the parameters of a mine transformer or mobile substation.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CTransformer : public CDevice {
 public:
  CTransformer();
  CTransformer(const CTransformer& other);
  CTransformer& operator=(const CTransformer& other);
  ~CTransformer();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CTransformer", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CTransformer", db, mode, id);
  }

  CString m_strTrans1;
  DeviceValue m_nTrans1;
  DeviceValue m_nTrans2;
  DeviceValue m_nTrans3;
  DeviceValue m_nTrans4;
  DeviceValue m_nTrans5;
  DeviceValue m_nTrans6;
  DeviceValue m_nTrans7;
  DeviceValue m_nTrans8;
  DeviceValue m_nTrans9;
  DeviceValue m_nTrans10;
  DeviceValue m_nTrans11;
  DeviceValue m_nTrans12;
  DeviceValue m_nTrans13;
  DeviceValue m_nTrans14;
  DeviceValue m_nTrans15;
  DeviceValue m_nTrans16;
  DeviceValue m_nTrans17;
  DeviceValue m_nTrans18;
  DeviceValue m_nTrans19;
  DeviceValue m_nTrans20;
  CString m_strTrans2;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CTransformer) == 4 * (1 + 39),
              "CTransformer: 39 members after the vtable reference");
#endif
