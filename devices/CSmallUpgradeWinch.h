// CSmallUpgradeWinch: the parameters of a small hoisting winch.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CSmallUpgradeWinch : public CDevice {
 public:
  CSmallUpgradeWinch();
  CSmallUpgradeWinch(const CSmallUpgradeWinch& other);
  CSmallUpgradeWinch& operator=(const CSmallUpgradeWinch& other);
  ~CSmallUpgradeWinch();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CSmallUpgradeWinch", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CSmallUpgradeWinch", db, mode, id);
  }

  DeviceValue m_nSWinch1 = 0, m_nSWinch2 = 0;
  CString m_strSWinch1;
  DeviceValue m_nSWinch3 = 0, m_nSWinch4 = 0, m_nSWinch5 = 0, m_nSWinch6 = 0, m_nSWinch7 = 0;
  CString m_strSWinch2;
  DeviceValue m_nSWinch8 = 0, m_nSWinch9 = 0, m_nSWinch10 = 0;
  CString m_strSWinch3;
  DeviceValue m_nSWinch11 = 0, m_nSWinch12 = 0;
  CString m_strSWinch4, m_strSWinch5;
};
