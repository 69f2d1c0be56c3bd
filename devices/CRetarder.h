// CRetarder: the parameters of a reducer.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CRetarder : public CDevice {
 public:
  CRetarder();
  CRetarder(const CRetarder& other);
  CRetarder& operator=(const CRetarder& other);
  ~CRetarder();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CRetarder", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CRetarder", db, mode, id);
  }

  CString m_strRetard1;
  DeviceValue m_nRetard1;
  DeviceValue m_nRetard2;
  CString m_strRetard2;
  DeviceValue m_nRetard3;
  DeviceValue m_nRetard4;
  DeviceValue m_nRetard5;
  DeviceValue m_nRetard6;
  DeviceValue m_nRetard7;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CRetarder) == 4 * (1 + 26),
              "CRetarder: 26 members after the vtable reference");
#endif
