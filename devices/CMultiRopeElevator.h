// CMultiRopeElevator: the parameters of a multi-rope friction hoist.
#pragma once

#include "CElevator.h"

class VJD_DEVICES_API CMultiRopeElevator : public CElevator {
 public:
  CMultiRopeElevator();
  CMultiRopeElevator(const CMultiRopeElevator& other);
  CMultiRopeElevator& operator=(const CMultiRopeElevator& other);
  ~CMultiRopeElevator();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CMultiRopeElevator", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CMultiRopeElevator", db, mode, id);
  }

  DeviceValue m_nMrElev1 = 0, m_nMrElev2 = 0, m_nMrElev3 = 0, m_nMrElev4 = 0, m_nMrElev5 = 0,
              m_nMrElev6 = 0, m_nMrElev7 = 0, m_nMrElev8 = 0, m_nMrElev9 = 0, m_nMrElev10 = 0,
              m_nMrElev11 = 0, m_nMrElev12 = 0, m_nMrElev13 = 0, m_nMrElev14 = 0, m_nMrElev15 = 0,
              m_nMrElev16 = 0, m_nMrElev17 = 0, m_nMrElev18 = 0, m_nMrElev19 = 0, m_nMrElev20 = 0,
              m_nMrElev21 = 0;
  CString m_strMrElev1;
};
