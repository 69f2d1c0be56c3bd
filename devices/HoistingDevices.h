// The hoisting plant: winches, ropes, sheaves, reducers and hoist motors, the hoists themselves
// and what they carry (cages and skips).
#pragma once

#include "DeviceBase.h"

// A small hoisting winch.
class VJD_DEVICES_API CSmallUpgradeWinch : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CSmallUpgradeWinch);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CSmallUpgradeWinch)

  DeviceValue m_nSWinch1 = 0, m_nSWinch2 = 0;
  CString m_strSWinch1;
  DeviceValue m_nSWinch3 = 0, m_nSWinch4 = 0, m_nSWinch5 = 0, m_nSWinch6 = 0, m_nSWinch7 = 0;
  CString m_strSWinch2;
  DeviceValue m_nSWinch8 = 0, m_nSWinch9 = 0, m_nSWinch10 = 0;
  CString m_strSWinch3;
  DeviceValue m_nSWinch11 = 0, m_nSWinch12 = 0;
  CString m_strSWinch4, m_strSWinch5;
};

// A hoisting winch.
class VJD_DEVICES_API CUpgradeWinch : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CUpgradeWinch);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CUpgradeWinch)

  DeviceValue m_nWinch1 = 0, m_nWinch2 = 0, m_nWinch3 = 0, m_nWinch4 = 0, m_nWinch5 = 0,
              m_nWinch6 = 0, m_nWinch7 = 0, m_nWinch8 = 0, m_nWinch9 = 0, m_nWinch10 = 0,
              m_nWinch11 = 0, m_nWinch12 = 0, m_nWinch13 = 0, m_nWinch14 = 0;
  CString m_strWinch1;
  DeviceValue m_nWinch15 = 0, m_nWinch16 = 0;
  CString m_strWinch2;
  DeviceValue m_nWinch17 = 0;
  CString m_strWinch3;
  DeviceValue m_nWinch18 = 0, m_nWinch19 = 0;
  CString m_strWinch4;
};

// A wire rope.
class VJD_DEVICES_API CWireRope : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CWireRope);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CWireRope)

  DeviceValue m_nRope1 = 0, m_nRope2 = 0, m_nRope3 = 0, m_nRope4 = 0, m_nRope5 = 0, m_nRope6 = 0,
              m_nRope7 = 0, m_nRope8 = 0, m_nRope9 = 0, m_nRope10 = 0, m_nRope11 = 0;
  CString m_strRope1;
};

// A head sheave.
class VJD_DEVICES_API CPullWheel : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CPullWheel);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CPullWheel)

  CString m_strWheel1;
  DeviceValue m_nWheel1 = 0, m_nWheel2 = 0, m_nWheel3 = 0;
  CString m_strWheel2;
  DeviceValue m_nWheel4 = 0, m_nWheel5 = 0, m_nWheel6 = 0, m_nWheel7 = 0, m_nWheel8 = 0,
              m_nWheel9 = 0;
};

// A reducer.
class VJD_DEVICES_API CRetarder : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CRetarder);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CRetarder)

  CString m_strRetard1;
  DeviceValue m_nRetard1 = 0, m_nRetard2 = 0;
  CString m_strRetard2;
  DeviceValue m_nRetard3 = 0, m_nRetard4 = 0, m_nRetard5 = 0, m_nRetard6 = 0, m_nRetard7 = 0;
};

// A motor of the hoisting plant.
class VJD_DEVICES_API CEletromotor : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CEletromotor);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CEletromotor)

  CString m_strEmotor1, m_strEmotor2;
  DeviceValue m_nEmotor1 = 0, m_nEmotor2 = 0, m_nEmotor3 = 0, m_nEmotor4 = 0, m_nEmotor5 = 0,
              m_nEmotor6 = 0, m_nEmotor7 = 0, m_nEmotor8 = 0, m_nEmotor9 = 0, m_nEmotor10 = 0,
              m_nEmotor11 = 0, m_nEmotor12 = 0;
};

// A mine hoist (the part the rope hoists share).
class VJD_DEVICES_API CElevator : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CElevator);
  VJD_EMPTY_PARA_SLOTS;

  CString m_strElev1;
  DeviceValue m_nElev1 = 0, m_nElev2 = 0, m_nElev3 = 0, m_nElev4 = 0, m_nElev5 = 0, m_nElev6 = 0;
  CString m_strElev2;
  DeviceValue m_nElev7 = 0, m_nElev8 = 0, m_nElev9 = 0, m_nElev10 = 0, m_nElev11 = 0, m_nElev12 = 0;
};

// A single-rope hoist.
class VJD_DEVICES_API CSingleRopeElevator : public CElevator {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CSingleRopeElevator);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CSingleRopeElevator)

  DeviceValue m_nSrElev1 = 0, m_nSrElev2 = 0, m_nSrElev3 = 0, m_nSrElev4 = 0, m_nSrElev5 = 0,
              m_nSrElev6 = 0, m_nSrElev7 = 0;
  CString m_strSrElev1, m_strSrElev2, m_strSrElev3;
  DeviceValue m_nSrElev8 = 0, m_nSrElev9 = 0;
  CString m_strSrElev4;
  DeviceValue m_nSrElev10 = 0, m_nSrElev11 = 0;
};

// A multi-rope friction hoist.
class VJD_DEVICES_API CMultiRopeElevator : public CElevator {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CMultiRopeElevator);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CMultiRopeElevator)

  DeviceValue m_nMrElev1 = 0, m_nMrElev2 = 0, m_nMrElev3 = 0, m_nMrElev4 = 0, m_nMrElev5 = 0,
              m_nMrElev6 = 0, m_nMrElev7 = 0, m_nMrElev8 = 0, m_nMrElev9 = 0, m_nMrElev10 = 0,
              m_nMrElev11 = 0, m_nMrElev12 = 0, m_nMrElev13 = 0, m_nMrElev14 = 0, m_nMrElev15 = 0,
              m_nMrElev16 = 0, m_nMrElev17 = 0, m_nMrElev18 = 0, m_nMrElev19 = 0, m_nMrElev20 = 0,
              m_nMrElev21 = 0;
  CString m_strMrElev1;
};

// A cage (the part single and multi-deck cages share).
class VJD_DEVICES_API CCage : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CCage);
  VJD_EMPTY_PARA_SLOTS;

  CString m_strCage1, m_strCage2, m_strCage3;
  DeviceValue m_nCage1 = 0, m_nCage2 = 0, m_nCage3 = 0, m_nCage4 = 0, m_nCage5 = 0;
  CString m_strCage4;
  DeviceValue m_nCage6 = 0, m_nCage7 = 0, m_nCage8 = 0, m_nCage9 = 0, m_nCage10 = 0, m_nCage11 = 0;
};

// A single-deck cage.
class VJD_DEVICES_API CSingleCage : public CCage {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CSingleCage);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CSingleCage)

  CString m_strSCage1;
};

// A multi-deck cage.
class VJD_DEVICES_API CMultiCage : public CCage {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CMultiCage);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CMultiCage)

  DeviceValue m_nMCage1 = 0, m_nMCage2 = 0;
  CString m_strMCage1;
  DeviceValue m_nMCage3 = 0;
  CString m_strMCage2;
  DeviceValue m_nMCage4 = 0, m_nMCage5 = 0;
  CString m_strMCage3;
  DeviceValue m_nMCage6 = 0;
  CString m_strMCage4;
};

// A skip (the part the skip kinds share).
class VJD_DEVICES_API CSkipBucket : public CDevice {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CSkipBucket);
  VJD_EMPTY_PARA_SLOTS;

  CString m_strSkip1, m_strSkip2, m_strSkip3;
  DeviceValue m_nSkip1 = 0, m_nSkip2 = 0, m_nSkip3 = 0, m_nSkip4 = 0, m_nSkip5 = 0, m_nSkip6 = 0,
              m_nSkip7 = 0, m_nSkip8 = 0, m_nSkip9 = 0;
};

// A single skip.
class VJD_DEVICES_API CSingleSkipBucket : public CSkipBucket {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CSingleSkipBucket);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CSingleSkipBucket)

  DeviceValue m_nSSkip1 = 0;
};

// A multi-rope skip.
class VJD_DEVICES_API CMultiSkipBucket : public CSkipBucket {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CMultiSkipBucket);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CMultiSkipBucket)

  CString m_strMSkip1, m_strMSkip2;
  DeviceValue m_nMSkip1 = 0, m_nMSkip2 = 0;
  CString m_strMSkip3;
  DeviceValue m_nMSkip3 = 0;
  CString m_strMSkip4;
  DeviceValue m_nMSkip4 = 0;
};

// An inclined-shaft skip.
class VJD_DEVICES_API CSlantingSkipBucket : public CSkipBucket {
 public:
  VJD_DEVICE_SPECIAL_MEMBERS(CSlantingSkipBucket);
  VJD_PARA_SLOTS_IN_VELLJDBASE(CSlantingSkipBucket)

  DeviceValue m_nSlSkip1 = 0, m_nSlSkip2 = 0, m_nSlSkip3 = 0, m_nSlSkip4 = 0, m_nSlSkip5 = 0,
              m_nSlSkip6 = 0, m_nSlSkip7 = 0, m_nSlSkip8 = 0;
};
