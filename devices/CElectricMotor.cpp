#include "CElectricMotor.h"

CElectricMotor::CElectricMotor()
    : CDevice(),
      m_nMotor1(0),
      m_nMotor2(0),
      m_nMotor3(0),
      m_nMotor4(0),
      m_nMotor5(0),
      m_nMotor6(0),
      m_nMotor7(0),
      m_nMotor8(0),
      m_nMotor9(0),
      m_nMotor10(0),
      m_nMotor11(0),
      m_nMotor12(0),
      m_nMotor13(0),
      m_nMotor14(0),
      m_nMotor15(0) {}

CElectricMotor::CElectricMotor(const CElectricMotor& other)
    : CDevice(other),
      m_strMotor1(other.m_strMotor1),
      m_nMotor1(other.m_nMotor1),
      m_nMotor2(other.m_nMotor2),
      m_nMotor3(other.m_nMotor3),
      m_nMotor4(other.m_nMotor4),
      m_nMotor5(other.m_nMotor5),
      m_nMotor6(other.m_nMotor6),
      m_nMotor7(other.m_nMotor7),
      m_nMotor8(other.m_nMotor8),
      m_nMotor9(other.m_nMotor9),
      m_nMotor10(other.m_nMotor10),
      m_nMotor11(other.m_nMotor11),
      m_nMotor12(other.m_nMotor12),
      m_strMotor2(other.m_strMotor2),
      m_strMotor3(other.m_strMotor3),
      m_nMotor13(other.m_nMotor13),
      m_strMotor4(other.m_strMotor4),
      m_nMotor14(other.m_nMotor14),
      m_nMotor15(other.m_nMotor15) {}

CElectricMotor& CElectricMotor::operator=(const CElectricMotor& other) {
  CDevice::operator=(other);
  m_strMotor1 = other.m_strMotor1;
  m_nMotor1 = other.m_nMotor1;
  m_nMotor2 = other.m_nMotor2;
  m_nMotor3 = other.m_nMotor3;
  m_nMotor4 = other.m_nMotor4;
  m_nMotor5 = other.m_nMotor5;
  m_nMotor6 = other.m_nMotor6;
  m_nMotor7 = other.m_nMotor7;
  m_nMotor8 = other.m_nMotor8;
  m_nMotor9 = other.m_nMotor9;
  m_nMotor10 = other.m_nMotor10;
  m_nMotor11 = other.m_nMotor11;
  m_nMotor12 = other.m_nMotor12;
  m_strMotor2 = other.m_strMotor2;
  m_strMotor3 = other.m_strMotor3;
  m_nMotor13 = other.m_nMotor13;
  m_strMotor4 = other.m_strMotor4;
  m_nMotor14 = other.m_nMotor14;
  m_nMotor15 = other.m_nMotor15;
  return *this;
}

CElectricMotor::~CElectricMotor() {}
