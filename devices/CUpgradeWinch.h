// CUpgradeWinch: the parameters of a hoisting winch.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CUpgradeWinch : public CDevice {
 public:
  CUpgradeWinch();
  CUpgradeWinch(const CUpgradeWinch& other);
  CUpgradeWinch& operator=(const CUpgradeWinch& other);
  ~CUpgradeWinch();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CUpgradeWinch", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CUpgradeWinch", db, mode, id);
  }

  DeviceValue m_nWinch1 = 0, m_nWinch2 = 0, m_nWinch3 = 0, m_nWinch4 = 0, m_nWinch5 = 0,
              m_nWinch6 = 0, m_nWinch7 = 0, m_nWinch8 = 0, m_nWinch9 = 0, m_nWinch10 = 0,
              m_nWinch11 = 0, m_nWinch12 = 0, m_nWinch13 = 0, m_nWinch14 = 0;
  CString m_strWinch1;
  DeviceValue m_nWinch15 = 0, m_nWinch16 = 0;
  CString m_strWinch2;
  DeviceValue m_nWinch17 = 0;
  CString m_strWinch3;
  DeviceValue m_nWinch18 = 0, m_nWinch19 = 0;
  CString m_strWinch4;
};
