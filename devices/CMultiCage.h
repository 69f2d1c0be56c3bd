// CMultiCage: the parameters of a multi-deck cage.
#pragma once

#include "CCage.h"

class VJD_DEVICES_API CMultiCage : public CCage {
 public:
  CMultiCage();
  CMultiCage(const CMultiCage& other);
  CMultiCage& operator=(const CMultiCage& other);
  ~CMultiCage();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CMultiCage", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CMultiCage", db, mode, id);
  }

  DeviceValue m_nMCage1 = 0, m_nMCage2 = 0;
  CString m_strMCage1;
  DeviceValue m_nMCage3 = 0;
  CString m_strMCage2;
  DeviceValue m_nMCage4 = 0, m_nMCage5 = 0;
  CString m_strMCage3;
  DeviceValue m_nMCage6 = 0;
  CString m_strMCage4;
};
