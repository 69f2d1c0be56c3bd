// CSingleRopeElevator: the parameters of a single-rope hoist.
#pragma once

#include "CElevator.h"

class VJD_DEVICES_API CSingleRopeElevator : public CElevator {
 public:
  CSingleRopeElevator();
  CSingleRopeElevator(const CSingleRopeElevator& other);
  CSingleRopeElevator& operator=(const CSingleRopeElevator& other);
  ~CSingleRopeElevator();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CSingleRopeElevator", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CSingleRopeElevator", db, mode, id);
  }

  DeviceValue m_nSrElev1 = 0, m_nSrElev2 = 0, m_nSrElev3 = 0, m_nSrElev4 = 0, m_nSrElev5 = 0,
              m_nSrElev6 = 0, m_nSrElev7 = 0;
  CString m_strSrElev1, m_strSrElev2, m_strSrElev3;
  DeviceValue m_nSrElev8 = 0, m_nSrElev9 = 0;
  CString m_strSrElev4;
  DeviceValue m_nSrElev10 = 0, m_nSrElev11 = 0;
};
