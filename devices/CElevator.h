// CElevator: the parameters of a mine hoist (the part the rope hoists share).
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CElevator : public CDevice {
 public:
  CElevator();
  CElevator(const CElevator& other);
  CElevator& operator=(const CElevator& other);
  ~CElevator();

  // Slots 0 and 1: this kind has nothing of its own to read or write; always 0.
  int GetParaDBData(CADODatabase* db, VjdDword id) override;
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override;

  CString m_strElev1;
  DeviceValue m_nElev1 = 0, m_nElev2 = 0, m_nElev3 = 0, m_nElev4 = 0, m_nElev5 = 0, m_nElev6 = 0;
  CString m_strElev2;
  DeviceValue m_nElev7 = 0, m_nElev8 = 0, m_nElev9 = 0, m_nElev10 = 0, m_nElev11 = 0, m_nElev12 = 0;
};
