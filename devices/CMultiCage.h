// CMultiCage: the parameters of a multi-deck cage.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CCage.h"

class VJD_DEVICES_API CMultiCage : public CCage {
 public:
  CMultiCage();
  CMultiCage(const CMultiCage& other);
  CMultiCage& operator=(const CMultiCage& other);
  ~CMultiCage();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CMultiCage", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CMultiCage", db, mode, id);
  }

  DeviceValue m_nMCage1;
  DeviceValue m_nMCage2;
  CString m_strMCage1;
  DeviceValue m_nMCage3;
  CString m_strMCage2;
  DeviceValue m_nMCage4;
  DeviceValue m_nMCage5;
  CString m_strMCage3;
  DeviceValue m_nMCage6;
  CString m_strMCage4;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CMultiCage) == 4 * (1 + 42),
              "CMultiCage: 42 members after the vtable reference");
#endif
