// CMultiRopeElevator: the parameters of a multi-rope friction hoist.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CElevator.h"

class VJD_DEVICES_API CMultiRopeElevator : public CElevator {
 public:
  CMultiRopeElevator();
  CMultiRopeElevator(const CMultiRopeElevator& other);
  CMultiRopeElevator& operator=(const CMultiRopeElevator& other);
  ~CMultiRopeElevator();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CMultiRopeElevator", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CMultiRopeElevator", db, mode, id);
  }

  DeviceValue m_nMrElev1;
  DeviceValue m_nMrElev2;
  DeviceValue m_nMrElev3;
  DeviceValue m_nMrElev4;
  DeviceValue m_nMrElev5;
  DeviceValue m_nMrElev6;
  DeviceValue m_nMrElev7;
  DeviceValue m_nMrElev8;
  DeviceValue m_nMrElev9;
  DeviceValue m_nMrElev10;
  DeviceValue m_nMrElev11;
  DeviceValue m_nMrElev12;
  DeviceValue m_nMrElev13;
  DeviceValue m_nMrElev14;
  DeviceValue m_nMrElev15;
  DeviceValue m_nMrElev16;
  DeviceValue m_nMrElev17;
  DeviceValue m_nMrElev18;
  DeviceValue m_nMrElev19;
  DeviceValue m_nMrElev20;
  DeviceValue m_nMrElev21;
  CString m_strMrElev1;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CMultiRopeElevator) == 4 * (1 + 53),
              "CMultiRopeElevator: 53 members after the vtable reference");
#endif
