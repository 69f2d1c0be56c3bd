// CSmallUpgradeWinch: the parameters of a small hoisting winch.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
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

  DeviceValue m_nSWinch1;
  DeviceValue m_nSWinch2;
  CString m_strSWinch1;
  DeviceValue m_nSWinch3;
  DeviceValue m_nSWinch4;
  DeviceValue m_nSWinch5;
  DeviceValue m_nSWinch6;
  DeviceValue m_nSWinch7;
  CString m_strSWinch2;
  DeviceValue m_nSWinch8;
  DeviceValue m_nSWinch9;
  DeviceValue m_nSWinch10;
  CString m_strSWinch3;
  DeviceValue m_nSWinch11;
  DeviceValue m_nSWinch12;
  CString m_strSWinch4;
  CString m_strSWinch5;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CSmallUpgradeWinch) == 4 * (1 + 34),
              "CSmallUpgradeWinch: 34 members after the vtable reference");
#endif
