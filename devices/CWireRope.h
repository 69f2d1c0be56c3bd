// CWireRope: the parameters of a wire rope.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CWireRope : public CDevice {
 public:
  CWireRope();
  CWireRope(const CWireRope& other);
  CWireRope& operator=(const CWireRope& other);
  ~CWireRope();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CWireRope", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CWireRope", db, mode, id);
  }

  DeviceValue m_nRope1 = 0, m_nRope2 = 0, m_nRope3 = 0, m_nRope4 = 0, m_nRope5 = 0, m_nRope6 = 0,
              m_nRope7 = 0, m_nRope8 = 0, m_nRope9 = 0, m_nRope10 = 0, m_nRope11 = 0;
  CString m_strRope1;
};
