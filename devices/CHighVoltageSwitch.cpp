#include "CHighVoltageSwitch.h"

CHighVoltageSwitch::CHighVoltageSwitch()
    : CDevice(),
      m_nHvSw1(0),
      m_nHvSw2(0),
      m_nHvSw3(0),
      m_nHvSw4(0),
      m_nHvSw5(0),
      m_nHvSw6(0),
      m_nHvSw7(0),
      m_nHvSw8(0),
      m_nHvSw9(0),
      m_nHvSw10(0),
      m_nHvSw11(0),
      m_nHvSw12(0),
      m_nHvSw13(0),
      m_nHvSw14(0),
      m_nHvSw15(0),
      m_nHvSw16(0),
      m_nHvSw17(0),
      m_nHvSw18(0) {}

CHighVoltageSwitch::CHighVoltageSwitch(const CHighVoltageSwitch& other)
    : CDevice(other),
      m_nHvSw1(other.m_nHvSw1),
      m_nHvSw2(other.m_nHvSw2),
      m_nHvSw3(other.m_nHvSw3),
      m_nHvSw4(other.m_nHvSw4),
      m_nHvSw5(other.m_nHvSw5),
      m_nHvSw6(other.m_nHvSw6),
      m_nHvSw7(other.m_nHvSw7),
      m_nHvSw8(other.m_nHvSw8),
      m_nHvSw9(other.m_nHvSw9),
      m_nHvSw10(other.m_nHvSw10),
      m_nHvSw11(other.m_nHvSw11),
      m_nHvSw12(other.m_nHvSw12),
      m_nHvSw13(other.m_nHvSw13),
      m_nHvSw14(other.m_nHvSw14),
      m_nHvSw15(other.m_nHvSw15),
      m_nHvSw16(other.m_nHvSw16),
      m_nHvSw17(other.m_nHvSw17),
      m_nHvSw18(other.m_nHvSw18),
      m_strHvSw1(other.m_strHvSw1),
      m_strHvSw2(other.m_strHvSw2) {}

CHighVoltageSwitch& CHighVoltageSwitch::operator=(const CHighVoltageSwitch& other) {
  CDevice::operator=(other);
  m_nHvSw1 = other.m_nHvSw1;
  m_nHvSw2 = other.m_nHvSw2;
  m_nHvSw3 = other.m_nHvSw3;
  m_nHvSw4 = other.m_nHvSw4;
  m_nHvSw5 = other.m_nHvSw5;
  m_nHvSw6 = other.m_nHvSw6;
  m_nHvSw7 = other.m_nHvSw7;
  m_nHvSw8 = other.m_nHvSw8;
  m_nHvSw9 = other.m_nHvSw9;
  m_nHvSw10 = other.m_nHvSw10;
  m_nHvSw11 = other.m_nHvSw11;
  m_nHvSw12 = other.m_nHvSw12;
  m_nHvSw13 = other.m_nHvSw13;
  m_nHvSw14 = other.m_nHvSw14;
  m_nHvSw15 = other.m_nHvSw15;
  m_nHvSw16 = other.m_nHvSw16;
  m_nHvSw17 = other.m_nHvSw17;
  m_nHvSw18 = other.m_nHvSw18;
  m_strHvSw1 = other.m_strHvSw1;
  m_strHvSw2 = other.m_strHvSw2;
  return *this;
}

CHighVoltageSwitch::~CHighVoltageSwitch() {}
