// CCombineSwitch: the parameters of a combination switch.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CCombineSwitch : public CDevice {
 public:
  CCombineSwitch();
  CCombineSwitch(const CCombineSwitch& other);
  CCombineSwitch& operator=(const CCombineSwitch& other);
  ~CCombineSwitch();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CCombineSwitch", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CCombineSwitch", db, mode, id);
  }

  CString m_strCombSw1;
  CString m_strCombSw2;
  DeviceValue m_nCombSw1;
  DeviceValue m_nCombSw2;
  DeviceValue m_nCombSw3;
  DeviceValue m_nCombSw4;
  CString m_strCombSw3;
  CString m_strCombSw4;
  CString m_strCombSw5;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CCombineSwitch) == 4 * (1 + 26),
              "CCombineSwitch: 26 members after the vtable reference");
#endif
