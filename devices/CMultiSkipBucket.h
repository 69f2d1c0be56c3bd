// CMultiSkipBucket: the parameters of a multi-rope skip.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CSkipBucket.h"

class VJD_DEVICES_API CMultiSkipBucket : public CSkipBucket {
 public:
  CMultiSkipBucket();
  CMultiSkipBucket(const CMultiSkipBucket& other);
  CMultiSkipBucket& operator=(const CMultiSkipBucket& other);
  ~CMultiSkipBucket();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CMultiSkipBucket", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CMultiSkipBucket", db, mode, id);
  }

  CString m_strMSkip1;
  CString m_strMSkip2;
  DeviceValue m_nMSkip1;
  DeviceValue m_nMSkip2;
  CString m_strMSkip3;
  DeviceValue m_nMSkip3;
  CString m_strMSkip4;
  DeviceValue m_nMSkip4;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CMultiSkipBucket) == 4 * (1 + 37),
              "CMultiSkipBucket: 37 members after the vtable reference");
#endif
