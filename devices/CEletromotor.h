// CEletromotor: the parameters of a motor of the hoisting plant.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CEletromotor : public CDevice {
 public:
  CEletromotor();
  CEletromotor(const CEletromotor& other);
  CEletromotor& operator=(const CEletromotor& other);
  ~CEletromotor();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CEletromotor", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CEletromotor", db, mode, id);
  }

  CString m_strEmotor1;
  CString m_strEmotor2;
  DeviceValue m_nEmotor1;
  DeviceValue m_nEmotor2;
  DeviceValue m_nEmotor3;
  DeviceValue m_nEmotor4;
  DeviceValue m_nEmotor5;
  DeviceValue m_nEmotor6;
  DeviceValue m_nEmotor7;
  DeviceValue m_nEmotor8;
  DeviceValue m_nEmotor9;
  DeviceValue m_nEmotor10;
  DeviceValue m_nEmotor11;
  DeviceValue m_nEmotor12;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CEletromotor) == 4 * (1 + 31),
              "CEletromotor: 31 members after the vtable reference");
#endif
