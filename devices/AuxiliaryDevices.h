// The auxiliary plant (pumps, fans, air compressors) and the rail haulage (locomotives, mine cars).
#pragma once

#include "DeviceBase.h"

// A pump.
class VJD_DEVICES_API CPump : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CPump);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CPump)

  DeviceValue m_nPump1 = 0, m_nPump2 = 0, m_nPump3 = 0, m_nPump4 = 0, m_nPump5 = 0, m_nPump6 = 0,
              m_nPump7 = 0, m_nPump8 = 0, m_nPump9 = 0, m_nPump10 = 0, m_nPump11 = 0, m_nPump12 = 0,
              m_nPump13 = 0, m_nPump14 = 0, m_nPump15 = 0, m_nPump16 = 0, m_nPump17 = 0,
              m_nPump18 = 0, m_nPump19 = 0, m_nPump20 = 0, m_nPump21 = 0, m_nPump22 = 0;
  CString m_strPump1;
  DeviceValue m_nPump23 = 0, m_nPump24 = 0, m_nPump25 = 0, m_nPump26 = 0, m_nPump27 = 0,
              m_nPump28 = 0, m_nPump29 = 0, m_nPump30 = 0, m_nPump31 = 0, m_nPump32 = 0,
              m_nPump33 = 0;
};

// A fan and its characteristic curve.
class VJD_DEVICES_API CFannerCurve : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CFannerCurve);
  VJD_EMPTY_PARA_SLOTS;

  DeviceValue m_nFan1 = 0, m_nFan2 = 0, m_nFan3 = 0, m_nFan4 = 0, m_nFan5 = 0, m_nFan6 = 0,
              m_nFan7 = 0, m_nFan8 = 0, m_nFan9 = 0, m_nFan10 = 0, m_nFan11 = 0, m_nFan12 = 0,
              m_nFan13 = 0;
  CString m_strFan1, m_strFan2, m_strFan3, m_strFan4;
};

// An air compressor.
class VJD_DEVICES_API CAirCompressor : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CAirCompressor);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CAirCompressor)

  CString m_strComp1, m_strComp2;
  DeviceValue m_nComp1 = 0, m_nComp2 = 0, m_nComp3 = 0, m_nComp4 = 0, m_nComp5 = 0, m_nComp6 = 0;
  CString m_strComp3;
  DeviceValue m_nComp7 = 0, m_nComp8 = 0;
  CString m_strComp4;
};

// An electric locomotive.
class VJD_DEVICES_API CElectricLocomotive : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CElectricLocomotive);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CElectricLocomotive)

  DeviceValue m_nLoco1 = 0, m_nLoco2 = 0, m_nLoco3 = 0, m_nLoco4 = 0, m_nLoco5 = 0, m_nLoco6 = 0,
              m_nLoco7 = 0, m_nLoco8 = 0, m_nLoco9 = 0, m_nLoco10 = 0, m_nLoco11 = 0, m_nLoco12 = 0,
              m_nLoco13 = 0, m_nLoco14 = 0, m_nLoco15 = 0, m_nLoco16 = 0, m_nLoco17 = 0,
              m_nLoco18 = 0;
  CString m_strLoco1, m_strLoco2, m_strLoco3, m_strLoco4, m_strLoco5;
};

// A mine car.
class VJD_DEVICES_API CTramcar : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CTramcar);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CTramcar)

  CString m_strTram1;
  DeviceValue m_nTram1 = 0, m_nTram2 = 0, m_nTram3 = 0, m_nTram4 = 0, m_nTram5 = 0, m_nTram6 = 0,
              m_nTram7 = 0, m_nTram8 = 0;
  CString m_strTram2, m_strTram3, m_strTram4;
};
