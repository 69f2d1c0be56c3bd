#include "CCombineSwitch.h"

CCombineSwitch::CCombineSwitch()
    : CDevice(), m_nCombSw1(0), m_nCombSw2(0), m_nCombSw3(0), m_nCombSw4(0) {}

CCombineSwitch::CCombineSwitch(const CCombineSwitch& other)
    : CDevice(other),
      m_strCombSw1(other.m_strCombSw1),
      m_strCombSw2(other.m_strCombSw2),
      m_nCombSw1(other.m_nCombSw1),
      m_nCombSw2(other.m_nCombSw2),
      m_nCombSw3(other.m_nCombSw3),
      m_nCombSw4(other.m_nCombSw4),
      m_strCombSw3(other.m_strCombSw3),
      m_strCombSw4(other.m_strCombSw4),
      m_strCombSw5(other.m_strCombSw5) {}

CCombineSwitch& CCombineSwitch::operator=(const CCombineSwitch& other) {
  CDevice::operator=(other);
  m_strCombSw1 = other.m_strCombSw1;
  m_strCombSw2 = other.m_strCombSw2;
  m_nCombSw1 = other.m_nCombSw1;
  m_nCombSw2 = other.m_nCombSw2;
  m_nCombSw3 = other.m_nCombSw3;
  m_nCombSw4 = other.m_nCombSw4;
  m_strCombSw3 = other.m_strCombSw3;
  m_strCombSw4 = other.m_strCombSw4;
  m_strCombSw5 = other.m_strCombSw5;
  return *this;
}

CCombineSwitch::~CCombineSwitch() {}
