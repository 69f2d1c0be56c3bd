// CCage: the parameters of a cage (the part single and multi-deck cages share).
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CCage : public CDevice {
 public:
  CCage();
  CCage(const CCage& other);
  CCage& operator=(const CCage& other);
  ~CCage();

  // Slots 0 and 1: this kind has nothing of its own to read or write; always 0.
  int GetParaDBData(CADODatabase* db, VjdDword id) override;
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override;

  CString m_strCage1, m_strCage2, m_strCage3;
  DeviceValue m_nCage1 = 0, m_nCage2 = 0, m_nCage3 = 0, m_nCage4 = 0, m_nCage5 = 0;
  CString m_strCage4;
  DeviceValue m_nCage6 = 0, m_nCage7 = 0, m_nCage8 = 0, m_nCage9 = 0, m_nCage10 = 0, m_nCage11 = 0;
};
