// CWireRope: the parameters of a wire rope.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CWireRope : public CDevice {
 public:
  CWireRope();
  CWireRope(const CWireRope& other);
  CWireRope& operator=(const CWireRope& other);
  ~CWireRope();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CWireRope", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CWireRope", db, mode, id);
  }

  DeviceValue m_nRope1;
  DeviceValue m_nRope2;
  DeviceValue m_nRope3;
  DeviceValue m_nRope4;
  DeviceValue m_nRope5;
  DeviceValue m_nRope6;
  DeviceValue m_nRope7;
  DeviceValue m_nRope8;
  DeviceValue m_nRope9;
  DeviceValue m_nRope10;
  DeviceValue m_nRope11;
  CString m_strRope1;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CWireRope) == 4 * (1 + 29),
              "CWireRope: 29 members after the vtable reference");
#endif
