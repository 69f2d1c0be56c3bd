// CSlantingSkipBucket: the parameters of an inclined-shaft skip.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CSkipBucket.h"

class VJD_DEVICES_API CSlantingSkipBucket : public CSkipBucket {
 public:
  CSlantingSkipBucket();
  CSlantingSkipBucket(const CSlantingSkipBucket& other);
  CSlantingSkipBucket& operator=(const CSlantingSkipBucket& other);
  ~CSlantingSkipBucket();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CSlantingSkipBucket", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CSlantingSkipBucket", db, mode, id);
  }

  DeviceValue m_nSlSkip1;
  DeviceValue m_nSlSkip2;
  DeviceValue m_nSlSkip3;
  DeviceValue m_nSlSkip4;
  DeviceValue m_nSlSkip5;
  DeviceValue m_nSlSkip6;
  DeviceValue m_nSlSkip7;
  DeviceValue m_nSlSkip8;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CSlantingSkipBucket) == 4 * (1 + 37),
              "CSlantingSkipBucket: 37 members after the vtable reference");
#endif
