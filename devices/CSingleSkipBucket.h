// CSingleSkipBucket: the parameters of a single skip.
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

  DeviceValue m_nSSkip1 = 0;
};
