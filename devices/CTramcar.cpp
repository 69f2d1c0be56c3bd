#include "CTramcar.h"

CTramcar::CTramcar()
    : CDevice(),
      m_nTram1(0),
      m_nTram2(0),
      m_nTram3(0),
      m_nTram4(0),
      m_nTram5(0),
      m_nTram6(0),
      m_nTram7(0),
      m_nTram8(0) {}

CTramcar::CTramcar(const CTramcar& other)
    : CDevice(other),
      m_strTram1(other.m_strTram1),
      m_nTram1(other.m_nTram1),
      m_nTram2(other.m_nTram2),
      m_nTram3(other.m_nTram3),
      m_nTram4(other.m_nTram4),
      m_nTram5(other.m_nTram5),
      m_nTram6(other.m_nTram6),
      m_nTram7(other.m_nTram7),
      m_nTram8(other.m_nTram8),
      m_strTram2(other.m_strTram2),
      m_strTram3(other.m_strTram3),
      m_strTram4(other.m_strTram4) {}

CTramcar& CTramcar::operator=(const CTramcar& other) {
  CDevice::operator=(other);
  m_strTram1 = other.m_strTram1;
  m_nTram1 = other.m_nTram1;
  m_nTram2 = other.m_nTram2;
  m_nTram3 = other.m_nTram3;
  m_nTram4 = other.m_nTram4;
  m_nTram5 = other.m_nTram5;
  m_nTram6 = other.m_nTram6;
  m_nTram7 = other.m_nTram7;
  m_nTram8 = other.m_nTram8;
  m_strTram2 = other.m_strTram2;
  m_strTram3 = other.m_strTram3;
  m_strTram4 = other.m_strTram4;
  return *this;
}

CTramcar::~CTramcar() {}
