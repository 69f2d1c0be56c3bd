#include "CDevice.h"

CDevice::CDevice() : CJDDatabase(), m_nDev1(0), m_nDev2(0) {}

CDevice::CDevice(const CDevice& other)
    : CJDDatabase(other),
      m_strDev1(other.m_strDev1),
      m_strDev2(other.m_strDev2),
      m_strDev3(other.m_strDev3),
      m_strDev4(other.m_strDev4),
      m_strDev5(other.m_strDev5),
      m_strDev6(other.m_strDev6),
      m_strDev7(other.m_strDev7),
      m_strDev8(other.m_strDev8),
      m_strDev9(other.m_strDev9),
      m_strDev10(other.m_strDev10),
      m_strDev11(other.m_strDev11),
      m_strDev12(other.m_strDev12),
      m_strDev13(other.m_strDev13),
      m_nDev1(other.m_nDev1),
      m_nDev2(other.m_nDev2) {}

CDevice& CDevice::operator=(const CDevice& other) {
  CJDDatabase::operator=(other);
  m_strDev1 = other.m_strDev1;
  m_strDev2 = other.m_strDev2;
  m_strDev3 = other.m_strDev3;
  m_strDev4 = other.m_strDev4;
  m_strDev5 = other.m_strDev5;
  m_strDev6 = other.m_strDev6;
  m_strDev7 = other.m_strDev7;
  m_strDev8 = other.m_strDev8;
  m_strDev9 = other.m_strDev9;
  m_strDev10 = other.m_strDev10;
  m_strDev11 = other.m_strDev11;
  m_strDev12 = other.m_strDev12;
  m_strDev13 = other.m_strDev13;
  m_nDev1 = other.m_nDev1;
  m_nDev2 = other.m_nDev2;
  return *this;
}

CDevice::~CDevice() {}
