// CColligateProtect: the parameters of a combined protection unit.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
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

  CString m_strProtect1;
  CString m_strProtect2;
  DeviceValue m_nProtect1;
  DeviceValue m_nProtect2;
  DeviceValue m_nProtect3;
  DeviceValue m_nProtect4;
  DeviceValue m_nProtect5;
  DeviceValue m_nProtect6;
  DeviceValue m_nProtect7;
  DeviceValue m_nProtect8;
  DeviceValue m_nProtect9;
  DeviceValue m_nProtect10;
  DeviceValue m_nProtect11;
  DeviceValue m_nProtect12;
  DeviceValue m_nProtect13;
  DeviceValue m_nProtect14;
  CString m_strProtect3;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CColligateProtect) == 4 * (1 + 34),
              "CColligateProtect: 34 members after the vtable reference");
#endif
