// CAirCompressor: the parameters of an air compressor.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CAirCompressor : public CDevice {
 public:
  CAirCompressor();
  CAirCompressor(const CAirCompressor& other);
  CAirCompressor& operator=(const CAirCompressor& other);
  ~CAirCompressor();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CAirCompressor", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CAirCompressor", db, mode, id);
  }

  CString m_strComp1;
  CString m_strComp2;
  DeviceValue m_nComp1;
  DeviceValue m_nComp2;
  DeviceValue m_nComp3;
  DeviceValue m_nComp4;
  DeviceValue m_nComp5;
  DeviceValue m_nComp6;
  CString m_strComp3;
  DeviceValue m_nComp7;
  DeviceValue m_nComp8;
  CString m_strComp4;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CAirCompressor) == 4 * (1 + 29),
              "CAirCompressor: 29 members after the vtable reference");
#endif
