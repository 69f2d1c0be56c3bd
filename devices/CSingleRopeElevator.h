// CSingleRopeElevator: the parameters of a single-rope hoist.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CElevator.h"

class VJD_DEVICES_API CSingleRopeElevator : public CElevator {
 public:
  CSingleRopeElevator();
  CSingleRopeElevator(const CSingleRopeElevator& other);
  CSingleRopeElevator& operator=(const CSingleRopeElevator& other);
  ~CSingleRopeElevator();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CSingleRopeElevator", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CSingleRopeElevator", db, mode, id);
  }

  DeviceValue m_nSrElev1;
  DeviceValue m_nSrElev2;
  DeviceValue m_nSrElev3;
  DeviceValue m_nSrElev4;
  DeviceValue m_nSrElev5;
  DeviceValue m_nSrElev6;
  DeviceValue m_nSrElev7;
  CString m_strSrElev1;
  CString m_strSrElev2;
  CString m_strSrElev3;
  DeviceValue m_nSrElev8;
  DeviceValue m_nSrElev9;
  CString m_strSrElev4;
  DeviceValue m_nSrElev10;
  DeviceValue m_nSrElev11;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CSingleRopeElevator) == 4 * (1 + 46),
              "CSingleRopeElevator: 46 members after the vtable reference");
#endif
