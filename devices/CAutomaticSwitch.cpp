#include "CAutomaticSwitch.h"

CAutomaticSwitch::CAutomaticSwitch()
    : CDevice(),
      m_nAutoSw1(0),
      m_nAutoSw2(0),
      m_nAutoSw3(0),
      m_nAutoSw4(0),
      m_nAutoSw5(0),
      m_nAutoSw6(0),
      m_nAutoSw7(0),
      m_nAutoSw8(0),
      m_nAutoSw9(0),
      m_nAutoSw10(0) {}

CAutomaticSwitch::CAutomaticSwitch(const CAutomaticSwitch& other)
    : CDevice(other),
      m_nAutoSw1(other.m_nAutoSw1),
      m_nAutoSw2(other.m_nAutoSw2),
      m_nAutoSw3(other.m_nAutoSw3),
      m_nAutoSw4(other.m_nAutoSw4),
      m_nAutoSw5(other.m_nAutoSw5),
      m_strAutoSw1(other.m_strAutoSw1),
      m_nAutoSw6(other.m_nAutoSw6),
      m_nAutoSw7(other.m_nAutoSw7),
      m_nAutoSw8(other.m_nAutoSw8),
      m_strAutoSw2(other.m_strAutoSw2),
      m_strAutoSw3(other.m_strAutoSw3),
      m_nAutoSw9(other.m_nAutoSw9),
      m_nAutoSw10(other.m_nAutoSw10) {}

CAutomaticSwitch& CAutomaticSwitch::operator=(const CAutomaticSwitch& other) {
  CDevice::operator=(other);
  m_nAutoSw1 = other.m_nAutoSw1;
  m_nAutoSw2 = other.m_nAutoSw2;
  m_nAutoSw3 = other.m_nAutoSw3;
  m_nAutoSw4 = other.m_nAutoSw4;
  m_nAutoSw5 = other.m_nAutoSw5;
  m_strAutoSw1 = other.m_strAutoSw1;
  m_nAutoSw6 = other.m_nAutoSw6;
  m_nAutoSw7 = other.m_nAutoSw7;
  m_nAutoSw8 = other.m_nAutoSw8;
  m_strAutoSw2 = other.m_strAutoSw2;
  m_strAutoSw3 = other.m_strAutoSw3;
  m_nAutoSw9 = other.m_nAutoSw9;
  m_nAutoSw10 = other.m_nAutoSw10;
  return *this;
}

CAutomaticSwitch::~CAutomaticSwitch() {}
