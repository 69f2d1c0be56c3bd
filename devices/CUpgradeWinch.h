// CUpgradeWinch: the parameters of a hoisting winch.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
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

  DeviceValue m_nWinch1;
  DeviceValue m_nWinch2;
  DeviceValue m_nWinch3;
  DeviceValue m_nWinch4;
  DeviceValue m_nWinch5;
  DeviceValue m_nWinch6;
  DeviceValue m_nWinch7;
  DeviceValue m_nWinch8;
  DeviceValue m_nWinch9;
  DeviceValue m_nWinch10;
  DeviceValue m_nWinch11;
  DeviceValue m_nWinch12;
  DeviceValue m_nWinch13;
  DeviceValue m_nWinch14;
  CString m_strWinch1;
  DeviceValue m_nWinch15;
  DeviceValue m_nWinch16;
  CString m_strWinch2;
  DeviceValue m_nWinch17;
  CString m_strWinch3;
  DeviceValue m_nWinch18;
  DeviceValue m_nWinch19;
  CString m_strWinch4;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CUpgradeWinch) == 4 * (1 + 40),
              "CUpgradeWinch: 40 members after the vtable reference");
#endif
