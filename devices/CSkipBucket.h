// CSkipBucket: the parameters of a skip (the part the skip kinds share).
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

  CString m_strSkip1, m_strSkip2, m_strSkip3;
  DeviceValue m_nSkip1 = 0, m_nSkip2 = 0, m_nSkip3 = 0, m_nSkip4 = 0, m_nSkip5 = 0, m_nSkip6 = 0,
              m_nSkip7 = 0, m_nSkip8 = 0, m_nSkip9 = 0;
};
