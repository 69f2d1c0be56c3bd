#include "CWireRope.h"

CWireRope::CWireRope()
    : CDevice(),
      m_nRope1(0),
      m_nRope2(0),
      m_nRope3(0),
      m_nRope4(0),
      m_nRope5(0),
      m_nRope6(0),
      m_nRope7(0),
      m_nRope8(0),
      m_nRope9(0),
      m_nRope10(0),
      m_nRope11(0) {}

CWireRope::CWireRope(const CWireRope& other)
    : CDevice(other),
      m_nRope1(other.m_nRope1),
      m_nRope2(other.m_nRope2),
      m_nRope3(other.m_nRope3),
      m_nRope4(other.m_nRope4),
      m_nRope5(other.m_nRope5),
      m_nRope6(other.m_nRope6),
      m_nRope7(other.m_nRope7),
      m_nRope8(other.m_nRope8),
      m_nRope9(other.m_nRope9),
      m_nRope10(other.m_nRope10),
      m_nRope11(other.m_nRope11),
      m_strRope1(other.m_strRope1) {}

CWireRope& CWireRope::operator=(const CWireRope& other) {
  CDevice::operator=(other);
  m_nRope1 = other.m_nRope1;
  m_nRope2 = other.m_nRope2;
  m_nRope3 = other.m_nRope3;
  m_nRope4 = other.m_nRope4;
  m_nRope5 = other.m_nRope5;
  m_nRope6 = other.m_nRope6;
  m_nRope7 = other.m_nRope7;
  m_nRope8 = other.m_nRope8;
  m_nRope9 = other.m_nRope9;
  m_nRope10 = other.m_nRope10;
  m_nRope11 = other.m_nRope11;
  m_strRope1 = other.m_strRope1;
  return *this;
}

CWireRope::~CWireRope() {}
