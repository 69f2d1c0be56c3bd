// CSkipBucket: the parameters of a skip (the part the skip kinds share).
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CSkipBucket : public CDevice {
 public:
  CSkipBucket();
  CSkipBucket(const CSkipBucket& other);
  CSkipBucket& operator=(const CSkipBucket& other);
  ~CSkipBucket();

  // Slots 0 and 1: this kind has nothing of its own to read or write; always 0.
  int GetParaDBData(CADODatabase* db, VjdDword id) override;
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override;

  CString m_strSkip1;
  CString m_strSkip2;
  CString m_strSkip3;
  DeviceValue m_nSkip1;
  DeviceValue m_nSkip2;
  DeviceValue m_nSkip3;
  DeviceValue m_nSkip4;
  DeviceValue m_nSkip5;
  DeviceValue m_nSkip6;
  DeviceValue m_nSkip7;
  DeviceValue m_nSkip8;
  DeviceValue m_nSkip9;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CSkipBucket) == 4 * (1 + 29),
              "CSkipBucket: 29 members after the vtable reference");
#endif
