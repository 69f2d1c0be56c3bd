// CTramcar: the parameters of a mine car.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
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
  DeviceValue m_nTram1;
  DeviceValue m_nTram2;
  DeviceValue m_nTram3;
  DeviceValue m_nTram4;
  DeviceValue m_nTram5;
  DeviceValue m_nTram6;
  DeviceValue m_nTram7;
  DeviceValue m_nTram8;
  CString m_strTram2;
  CString m_strTram3;
  CString m_strTram4;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CTramcar) == 4 * (1 + 29), "CTramcar: 29 members after the vtable reference");
#endif
