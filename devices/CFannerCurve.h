// CFannerCurve: the parameters of a fan and its characteristic curve.
// One of the exported device classes: the layout (members in order, 4 bytes each on the
// 32-bit host, after the virtual table reference) is what VellJDBase compiles against.  The object
// owns its strings; values are plain 4-byte slots that this code only copies.
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

  DeviceValue m_nFan1;
  DeviceValue m_nFan2;
  DeviceValue m_nFan3;
  DeviceValue m_nFan4;
  DeviceValue m_nFan5;
  DeviceValue m_nFan6;
  DeviceValue m_nFan7;
  DeviceValue m_nFan8;
  DeviceValue m_nFan9;
  DeviceValue m_nFan10;
  DeviceValue m_nFan11;
  DeviceValue m_nFan12;
  DeviceValue m_nFan13;
  CString m_strFan1;
  CString m_strFan2;
  CString m_strFan3;
  CString m_strFan4;
};

#if VJD_DEVICES_32BIT_LAYOUT
static_assert(sizeof(CFannerCurve) == 4 * (1 + 34),
              "CFannerCurve: 34 members after the vtable reference");
#endif
