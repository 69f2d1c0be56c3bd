// CElectricLocomotive: the parameters of an electric locomotive.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CElectricLocomotive : public CDevice {
 public:
  CElectricLocomotive();
  CElectricLocomotive(const CElectricLocomotive& other);
  CElectricLocomotive& operator=(const CElectricLocomotive& other);
  ~CElectricLocomotive();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CElectricLocomotive", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CElectricLocomotive", db, mode, id);
  }

  DeviceValue m_nLoco1 = 0, m_nLoco2 = 0, m_nLoco3 = 0, m_nLoco4 = 0, m_nLoco5 = 0, m_nLoco6 = 0,
              m_nLoco7 = 0, m_nLoco8 = 0, m_nLoco9 = 0, m_nLoco10 = 0, m_nLoco11 = 0, m_nLoco12 = 0,
              m_nLoco13 = 0, m_nLoco14 = 0, m_nLoco15 = 0, m_nLoco16 = 0, m_nLoco17 = 0,
              m_nLoco18 = 0;
  CString m_strLoco1, m_strLoco2, m_strLoco3, m_strLoco4, m_strLoco5;
};
