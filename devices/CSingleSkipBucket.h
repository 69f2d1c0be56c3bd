// CSingleSkipBucket: the parameters of a single skip.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CSkipBucket.h"

class VJD_DEVICES_API CSingleSkipBucket : public CSkipBucket {
 public:
  CSingleSkipBucket();
  CSingleSkipBucket(const CSingleSkipBucket& other);
  CSingleSkipBucket& operator=(const CSingleSkipBucket& other);
  ~CSingleSkipBucket();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CSingleSkipBucket", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CSingleSkipBucket", db, mode, id);
  }

  DeviceValue m_nSSkip1;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CSingleSkipBucket) == 4 * (1 + 30),
              "CSingleSkipBucket: 30 members after the vtable reference");
#endif
