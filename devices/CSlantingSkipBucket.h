// CSlantingSkipBucket: the parameters of an inclined-shaft skip.
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

  DeviceValue m_nSlSkip1 = 0, m_nSlSkip2 = 0, m_nSlSkip3 = 0, m_nSlSkip4 = 0, m_nSlSkip5 = 0,
              m_nSlSkip6 = 0, m_nSlSkip7 = 0, m_nSlSkip8 = 0;
};
