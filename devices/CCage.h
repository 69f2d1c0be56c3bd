// CCage: the parameters of a cage (the part single and multi-deck cages share).
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CCage : public CDevice {
 public:
  CCage();
  CCage(const CCage& other);
  CCage& operator=(const CCage& other);
  ~CCage();

  // Slots 0 and 1: this kind has nothing of its own to read or write; always 0.
  int GetParaDBData(CADODatabase* db, VjdDword id) override;
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override;

  CString m_strCage1;
  CString m_strCage2;
  CString m_strCage3;
  DeviceValue m_nCage1;
  DeviceValue m_nCage2;
  DeviceValue m_nCage3;
  DeviceValue m_nCage4;
  DeviceValue m_nCage5;
  CString m_strCage4;
  DeviceValue m_nCage6;
  DeviceValue m_nCage7;
  DeviceValue m_nCage8;
  DeviceValue m_nCage9;
  DeviceValue m_nCage10;
  DeviceValue m_nCage11;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CCage) == 4 * (1 + 32), "CCage: 32 members after the vtable reference");
#endif
