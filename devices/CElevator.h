// CElevator: the parameters of a mine hoist (the part the rope hoists share).
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CElevator : public CDevice {
 public:
  CElevator();
  CElevator(const CElevator& other);
  CElevator& operator=(const CElevator& other);
  ~CElevator();

  // Slots 0 and 1: this kind has nothing of its own to read or write; always 0.
  int GetParaDBData(CADODatabase* db, VjdDword id) override;
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override;

  CString m_strElev1;
  DeviceValue m_nElev1;
  DeviceValue m_nElev2;
  DeviceValue m_nElev3;
  DeviceValue m_nElev4;
  DeviceValue m_nElev5;
  DeviceValue m_nElev6;
  CString m_strElev2;
  DeviceValue m_nElev7;
  DeviceValue m_nElev8;
  DeviceValue m_nElev9;
  DeviceValue m_nElev10;
  DeviceValue m_nElev11;
  DeviceValue m_nElev12;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CElevator) == 4 * (1 + 31),
              "CElevator: 31 members after the vtable reference");
#endif
