// CPullWheel: the parameters of a head sheave.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CPullWheel : public CDevice {
 public:
  CPullWheel();
  CPullWheel(const CPullWheel& other);
  CPullWheel& operator=(const CPullWheel& other);
  ~CPullWheel();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CPullWheel", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CPullWheel", db, mode, id);
  }

  CString m_strWheel1;
  DeviceValue m_nWheel1;
  DeviceValue m_nWheel2;
  DeviceValue m_nWheel3;
  CString m_strWheel2;
  DeviceValue m_nWheel4;
  DeviceValue m_nWheel5;
  DeviceValue m_nWheel6;
  DeviceValue m_nWheel7;
  DeviceValue m_nWheel8;
  DeviceValue m_nWheel9;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CPullWheel) == 4 * (1 + 28),
              "CPullWheel: 28 members after the vtable reference");
#endif
