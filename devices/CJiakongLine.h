// CJiakongLine: the parameters of an overhead line.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CJiakongLine : public CDevice {
 public:
  CJiakongLine();
  CJiakongLine(const CJiakongLine& other);
  CJiakongLine& operator=(const CJiakongLine& other);
  ~CJiakongLine();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CJiakongLine", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CJiakongLine", db, mode, id);
  }

  CString m_strLine1;
  DeviceValue m_nLine1 = 0, m_nLine2 = 0, m_nLine3 = 0, m_nLine4 = 0, m_nLine5 = 0;
};
