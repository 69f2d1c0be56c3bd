// CPump: the parameters of a pump.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CPump : public CDevice {
 public:
  CPump();
  CPump(const CPump& other);
  CPump& operator=(const CPump& other);
  ~CPump();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CPump", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CPump", db, mode, id);
  }

  DeviceValue m_nPump1;
  DeviceValue m_nPump2;
  DeviceValue m_nPump3;
  DeviceValue m_nPump4;
  DeviceValue m_nPump5;
  DeviceValue m_nPump6;
  DeviceValue m_nPump7;
  DeviceValue m_nPump8;
  DeviceValue m_nPump9;
  DeviceValue m_nPump10;
  DeviceValue m_nPump11;
  DeviceValue m_nPump12;
  DeviceValue m_nPump13;
  DeviceValue m_nPump14;
  DeviceValue m_nPump15;
  DeviceValue m_nPump16;
  DeviceValue m_nPump17;
  DeviceValue m_nPump18;
  DeviceValue m_nPump19;
  DeviceValue m_nPump20;
  DeviceValue m_nPump21;
  DeviceValue m_nPump22;
  CString m_strPump1;
  DeviceValue m_nPump23;
  DeviceValue m_nPump24;
  DeviceValue m_nPump25;
  DeviceValue m_nPump26;
  DeviceValue m_nPump27;
  DeviceValue m_nPump28;
  DeviceValue m_nPump29;
  DeviceValue m_nPump30;
  DeviceValue m_nPump31;
  DeviceValue m_nPump32;
  DeviceValue m_nPump33;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CPump) == 4 * (1 + 51), "CPump: 51 members after the vtable reference");
#endif
