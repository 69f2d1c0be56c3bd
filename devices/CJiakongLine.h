// CJiakongLine: the parameters of an overhead line.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CJiakongLine : public CDevice {
 public:
  CJiakongLine();
  CJiakongLine(const CJiakongLine& other);
  CJiakongLine& operator=(const CJiakongLine& other);
  ~CJiakongLine();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CJiakongLine", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CJiakongLine", db, mode, id);
  }

  CString m_strLine1;
  DeviceValue m_nLine1;
  DeviceValue m_nLine2;
  DeviceValue m_nLine3;
  DeviceValue m_nLine4;
  DeviceValue m_nLine5;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CJiakongLine) == 4 * (1 + 23),
              "CJiakongLine: 23 members after the vtable reference");
#endif
