// CFannerCurve: the parameters of a fan and its characteristic curve.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CFannerCurve : public CDevice {
 public:
  CFannerCurve();
  CFannerCurve(const CFannerCurve& other);
  CFannerCurve& operator=(const CFannerCurve& other);
  ~CFannerCurve();

  // Slots 0 and 1: this kind has nothing of its own to read or write; always 0.
  int GetParaDBData(CADODatabase* db, VjdDword id) override;
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override;

  DeviceValue m_nFan1 = 0, m_nFan2 = 0, m_nFan3 = 0, m_nFan4 = 0, m_nFan5 = 0, m_nFan6 = 0,
              m_nFan7 = 0, m_nFan8 = 0, m_nFan9 = 0, m_nFan10 = 0, m_nFan11 = 0, m_nFan12 = 0,
              m_nFan13 = 0;
  CString m_strFan1, m_strFan2, m_strFan3, m_strFan4;
};
