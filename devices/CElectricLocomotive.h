// CElectricLocomotive: the parameters of an electric locomotive.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CElectricLocomotive : public CDevice {
 public:
  CElectricLocomotive();
  CElectricLocomotive(const CElectricLocomotive& other);
  CElectricLocomotive& operator=(const CElectricLocomotive& other);
  ~CElectricLocomotive();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CElectricLocomotive", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CElectricLocomotive", db, mode, id);
  }

  DeviceValue m_nLoco1;
  DeviceValue m_nLoco2;
  DeviceValue m_nLoco3;
  DeviceValue m_nLoco4;
  DeviceValue m_nLoco5;
  DeviceValue m_nLoco6;
  DeviceValue m_nLoco7;
  DeviceValue m_nLoco8;
  DeviceValue m_nLoco9;
  DeviceValue m_nLoco10;
  DeviceValue m_nLoco11;
  DeviceValue m_nLoco12;
  DeviceValue m_nLoco13;
  DeviceValue m_nLoco14;
  DeviceValue m_nLoco15;
  DeviceValue m_nLoco16;
  DeviceValue m_nLoco17;
  DeviceValue m_nLoco18;
  CString m_strLoco1;
  CString m_strLoco2;
  CString m_strLoco3;
  CString m_strLoco4;
  CString m_strLoco5;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CElectricLocomotive) == 4 * (1 + 40),
              "CElectricLocomotive: 40 members after the vtable reference");
#endif
