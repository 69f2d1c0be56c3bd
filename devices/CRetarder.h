// CRetarder: the parameters of a reducer.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CRetarder : public CDevice {
 public:
  CRetarder();
  CRetarder(const CRetarder& other);
  CRetarder& operator=(const CRetarder& other);
  ~CRetarder();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CRetarder", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CRetarder", db, mode, id);
  }

  CString m_strRetard1;
  DeviceValue m_nRetard1 = 0, m_nRetard2 = 0;
  CString m_strRetard2;
  DeviceValue m_nRetard3 = 0, m_nRetard4 = 0, m_nRetard5 = 0, m_nRetard6 = 0, m_nRetard7 = 0;
};
