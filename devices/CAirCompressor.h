// CAirCompressor: the parameters of an air compressor.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CAirCompressor : public CDevice {
 public:
  CAirCompressor();
  CAirCompressor(const CAirCompressor& other);
  CAirCompressor& operator=(const CAirCompressor& other);
  ~CAirCompressor();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CAirCompressor", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CAirCompressor", db, mode, id);
  }

  CString m_strComp1, m_strComp2;
  DeviceValue m_nComp1 = 0, m_nComp2 = 0, m_nComp3 = 0, m_nComp4 = 0, m_nComp5 = 0, m_nComp6 = 0;
  CString m_strComp3;
  DeviceValue m_nComp7 = 0, m_nComp8 = 0;
  CString m_strComp4;
};
