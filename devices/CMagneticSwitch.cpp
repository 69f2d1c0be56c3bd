#include "CMagneticSwitch.h"

CMagneticSwitch::CMagneticSwitch()
    : CDevice(),
      m_nMagSw1(0),
      m_nMagSw2(0),
      m_nMagSw3(0),
      m_nMagSw4(0),
      m_nMagSw5(0),
      m_nMagSw6(0),
      m_nMagSw7(0) {}

CMagneticSwitch::CMagneticSwitch(const CMagneticSwitch& other)
    : CDevice(other),
      m_nMagSw1(other.m_nMagSw1),
      m_nMagSw2(other.m_nMagSw2),
      m_nMagSw3(other.m_nMagSw3),
      m_nMagSw4(other.m_nMagSw4),
      m_nMagSw5(other.m_nMagSw5),
      m_strMagSw1(other.m_strMagSw1),
      m_strMagSw2(other.m_strMagSw2),
      m_nMagSw6(other.m_nMagSw6),
      m_strMagSw3(other.m_strMagSw3),
      m_strMagSw4(other.m_strMagSw4),
      m_nMagSw7(other.m_nMagSw7),
      m_strMagSw5(other.m_strMagSw5),
      m_strMagSw6(other.m_strMagSw6) {}

CMagneticSwitch& CMagneticSwitch::operator=(const CMagneticSwitch& other) {
  CDevice::operator=(other);
  m_nMagSw1 = other.m_nMagSw1;
  m_nMagSw2 = other.m_nMagSw2;
  m_nMagSw3 = other.m_nMagSw3;
  m_nMagSw4 = other.m_nMagSw4;
  m_nMagSw5 = other.m_nMagSw5;
  m_strMagSw1 = other.m_strMagSw1;
  m_strMagSw2 = other.m_strMagSw2;
  m_nMagSw6 = other.m_nMagSw6;
  m_strMagSw3 = other.m_strMagSw3;
  m_strMagSw4 = other.m_strMagSw4;
  m_nMagSw7 = other.m_nMagSw7;
  m_strMagSw5 = other.m_strMagSw5;
  m_strMagSw6 = other.m_strMagSw6;
  return *this;
}

CMagneticSwitch::~CMagneticSwitch() {}
