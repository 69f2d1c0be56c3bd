// CEletromotor: the parameters of a motor of the hoisting plant.
#pragma once

#include "CDevice.h"

class VJD_DEVICES_API CEletromotor : public CDevice {
 public:
  CEletromotor();
  CEletromotor(const CEletromotor& other);
  CEletromotor& operator=(const CEletromotor& other);
  ~CEletromotor();

  // Slots 0 and 1: the work is done by VellJDBase.
  int GetParaDBData(CADODatabase* db, VjdDword id) override {
    return JDBaseGetParaDBData(this, "CEletromotor", db, id);
  }
  int SetParaDBData(CADODatabase* db, int mode, VjdDword id) override {
    return JDBaseSetParaDBData(this, "CEletromotor", db, mode, id);
  }

  CString m_strEmotor1, m_strEmotor2;
  DeviceValue m_nEmotor1 = 0, m_nEmotor2 = 0, m_nEmotor3 = 0, m_nEmotor4 = 0, m_nEmotor5 = 0,
              m_nEmotor6 = 0, m_nEmotor7 = 0, m_nEmotor8 = 0, m_nEmotor9 = 0, m_nEmotor10 = 0,
              m_nEmotor11 = 0, m_nEmotor12 = 0;
};
