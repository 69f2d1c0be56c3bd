// CMultiSkipBucket: the parameters of a multi-rope skip.
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

  CString m_strMSkip1, m_strMSkip2;
  DeviceValue m_nMSkip1 = 0, m_nMSkip2 = 0;
  CString m_strMSkip3;
  DeviceValue m_nMSkip3 = 0;
  CString m_strMSkip4;
  DeviceValue m_nMSkip4 = 0;
};
