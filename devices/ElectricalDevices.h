// The electrical plant: cables, transformers, motors, switches, protection and overhead lines.
// The cable is the one device that does not derive from CDevice.
#pragma once

#include "DeviceBase.h"

// An electric cable.
class VJD_DEVICES_API CElectricCable : public CJDDatabase {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CElectricCable);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CElectricCable)
  VJD_STOCK_SLOTS_IN_VELLJDBASE(CElectricCable)

  CString m_strCable1;
  DeviceValue m_nCable1 = 0, m_nCable2 = 0, m_nCable3 = 0, m_nCable4 = 0, m_nCable5 = 0,
              m_nCable6 = 0, m_nCable7 = 0;
  CString m_strCable2, m_strCable3, m_strCable4, m_strCable5, m_strCable6, m_strCable7, m_strCable8;
};

// A mine transformer or mobile substation.
class VJD_DEVICES_API CTransformer : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CTransformer);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CTransformer)

  CString m_strTrans1;
  DeviceValue m_nTrans1 = 0, m_nTrans2 = 0, m_nTrans3 = 0, m_nTrans4 = 0, m_nTrans5 = 0,
              m_nTrans6 = 0, m_nTrans7 = 0, m_nTrans8 = 0, m_nTrans9 = 0, m_nTrans10 = 0,
              m_nTrans11 = 0, m_nTrans12 = 0, m_nTrans13 = 0, m_nTrans14 = 0, m_nTrans15 = 0,
              m_nTrans16 = 0, m_nTrans17 = 0, m_nTrans18 = 0, m_nTrans19 = 0, m_nTrans20 = 0;
  CString m_strTrans2;
};

// An electric motor.
class VJD_DEVICES_API CElectricMotor : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CElectricMotor);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CElectricMotor)

  CString m_strMotor1;
  DeviceValue m_nMotor1 = 0, m_nMotor2 = 0, m_nMotor3 = 0, m_nMotor4 = 0, m_nMotor5 = 0,
              m_nMotor6 = 0, m_nMotor7 = 0, m_nMotor8 = 0, m_nMotor9 = 0, m_nMotor10 = 0,
              m_nMotor11 = 0, m_nMotor12 = 0;
  CString m_strMotor2, m_strMotor3;
  DeviceValue m_nMotor13 = 0;
  CString m_strMotor4;
  DeviceValue m_nMotor14 = 0, m_nMotor15 = 0;
};

// A high-voltage switch.
class VJD_DEVICES_API CHighVoltageSwitch : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CHighVoltageSwitch);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CHighVoltageSwitch)

  DeviceValue m_nHvSw1 = 0, m_nHvSw2 = 0, m_nHvSw3 = 0, m_nHvSw4 = 0, m_nHvSw5 = 0, m_nHvSw6 = 0,
              m_nHvSw7 = 0, m_nHvSw8 = 0, m_nHvSw9 = 0, m_nHvSw10 = 0, m_nHvSw11 = 0, m_nHvSw12 = 0,
              m_nHvSw13 = 0, m_nHvSw14 = 0, m_nHvSw15 = 0, m_nHvSw16 = 0, m_nHvSw17 = 0,
              m_nHvSw18 = 0;
  CString m_strHvSw1, m_strHvSw2;
};

// An automatic feeder switch.
class VJD_DEVICES_API CAutomaticSwitch : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CAutomaticSwitch);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CAutomaticSwitch)

  DeviceValue m_nAutoSw1 = 0, m_nAutoSw2 = 0, m_nAutoSw3 = 0, m_nAutoSw4 = 0, m_nAutoSw5 = 0;
  CString m_strAutoSw1;
  DeviceValue m_nAutoSw6 = 0, m_nAutoSw7 = 0, m_nAutoSw8 = 0;
  CString m_strAutoSw2, m_strAutoSw3;
  DeviceValue m_nAutoSw9 = 0, m_nAutoSw10 = 0;
};

// A magnetic starter.
class VJD_DEVICES_API CMagneticSwitch : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CMagneticSwitch);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CMagneticSwitch)

  DeviceValue m_nMagSw1 = 0, m_nMagSw2 = 0, m_nMagSw3 = 0, m_nMagSw4 = 0, m_nMagSw5 = 0;
  CString m_strMagSw1, m_strMagSw2;
  DeviceValue m_nMagSw6 = 0;
  CString m_strMagSw3, m_strMagSw4;
  DeviceValue m_nMagSw7 = 0;
  CString m_strMagSw5, m_strMagSw6;
};

// A combination switch.
class VJD_DEVICES_API CCombineSwitch : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CCombineSwitch);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CCombineSwitch)

  CString m_strCombSw1, m_strCombSw2;
  DeviceValue m_nCombSw1 = 0, m_nCombSw2 = 0, m_nCombSw3 = 0, m_nCombSw4 = 0;
  CString m_strCombSw3, m_strCombSw4, m_strCombSw5;
};

// A combined protection unit.
class VJD_DEVICES_API CColligateProtect : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CColligateProtect);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CColligateProtect)

  CString m_strProtect1, m_strProtect2;
  DeviceValue m_nProtect1 = 0, m_nProtect2 = 0, m_nProtect3 = 0, m_nProtect4 = 0, m_nProtect5 = 0,
              m_nProtect6 = 0, m_nProtect7 = 0, m_nProtect8 = 0, m_nProtect9 = 0, m_nProtect10 = 0,
              m_nProtect11 = 0, m_nProtect12 = 0, m_nProtect13 = 0, m_nProtect14 = 0;
  CString m_strProtect3;
};

// An overhead line.
class VJD_DEVICES_API CJiakongLine : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CJiakongLine);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CJiakongLine)

  CString m_strLine1;
  DeviceValue m_nLine1 = 0, m_nLine2 = 0, m_nLine3 = 0, m_nLine4 = 0, m_nLine5 = 0;
};
