#include "CAirCompressor.h"

CAirCompressor::CAirCompressor()
    : CDevice(),
      m_nComp1(0),
      m_nComp2(0),
      m_nComp3(0),
      m_nComp4(0),
      m_nComp5(0),
      m_nComp6(0),
      m_nComp7(0),
      m_nComp8(0) {}

CAirCompressor::CAirCompressor(const CAirCompressor& other)
    : CDevice(other),
      m_strComp1(other.m_strComp1),
      m_strComp2(other.m_strComp2),
      m_nComp1(other.m_nComp1),
      m_nComp2(other.m_nComp2),
      m_nComp3(other.m_nComp3),
      m_nComp4(other.m_nComp4),
      m_nComp5(other.m_nComp5),
      m_nComp6(other.m_nComp6),
      m_strComp3(other.m_strComp3),
      m_nComp7(other.m_nComp7),
      m_nComp8(other.m_nComp8),
      m_strComp4(other.m_strComp4) {}

CAirCompressor& CAirCompressor::operator=(const CAirCompressor& other) {
  CDevice::operator=(other);
  m_strComp1 = other.m_strComp1;
  m_strComp2 = other.m_strComp2;
  m_nComp1 = other.m_nComp1;
  m_nComp2 = other.m_nComp2;
  m_nComp3 = other.m_nComp3;
  m_nComp4 = other.m_nComp4;
  m_nComp5 = other.m_nComp5;
  m_nComp6 = other.m_nComp6;
  m_strComp3 = other.m_strComp3;
  m_nComp7 = other.m_nComp7;
  m_nComp8 = other.m_nComp8;
  m_strComp4 = other.m_strComp4;
  return *this;
}

CAirCompressor::~CAirCompressor() {}
