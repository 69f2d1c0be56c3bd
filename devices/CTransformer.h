// CTransformer: the parameters of a mine transformer or mobile substation.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CTransformer : public CDevice {
 public:
  CTransformer();
  CTransformer(const CTransformer& other);
  CTransformer& operator=(const CTransformer& other);
  ~CTransformer();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CTransformer", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CTransformer", db, mode, id);
  }

  CString m_strTrans1;
  DeviceValue m_nTrans1 = 0, m_nTrans2 = 0, m_nTrans3 = 0, m_nTrans4 = 0, m_nTrans5 = 0,
              m_nTrans6 = 0, m_nTrans7 = 0, m_nTrans8 = 0, m_nTrans9 = 0, m_nTrans10 = 0,
              m_nTrans11 = 0, m_nTrans12 = 0, m_nTrans13 = 0, m_nTrans14 = 0, m_nTrans15 = 0,
              m_nTrans16 = 0, m_nTrans17 = 0, m_nTrans18 = 0, m_nTrans19 = 0, m_nTrans20 = 0;
  CString m_strTrans2;
};
