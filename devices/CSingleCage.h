// CSingleCage: the parameters of a single-deck cage.
#pragma once

#include "CCage.h"

class VJD_DEVICES_API CSingleCage : public CCage {
 public:
  CSingleCage();
  CSingleCage(const CSingleCage& other);
  CSingleCage& operator=(const CSingleCage& other);
  ~CSingleCage();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CSingleCage", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CSingleCage", db, mode, id);
  }

  CString m_strSCage1;
};
