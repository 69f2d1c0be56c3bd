#include "CPullWheel.h"

CPullWheel::CPullWheel()
    : CDevice(),
      m_nWheel1(0),
      m_nWheel2(0),
      m_nWheel3(0),
      m_nWheel4(0),
      m_nWheel5(0),
      m_nWheel6(0),
      m_nWheel7(0),
      m_nWheel8(0),
      m_nWheel9(0) {}

CPullWheel::CPullWheel(const CPullWheel& other)
    : CDevice(other),
      m_strWheel1(other.m_strWheel1),
      m_nWheel1(other.m_nWheel1),
      m_nWheel2(other.m_nWheel2),
      m_nWheel3(other.m_nWheel3),
      m_strWheel2(other.m_strWheel2),
      m_nWheel4(other.m_nWheel4),
      m_nWheel5(other.m_nWheel5),
      m_nWheel6(other.m_nWheel6),
      m_nWheel7(other.m_nWheel7),
      m_nWheel8(other.m_nWheel8),
      m_nWheel9(other.m_nWheel9) {}

CPullWheel& CPullWheel::operator=(const CPullWheel& other) {
  CDevice::operator=(other);
  m_strWheel1 = other.m_strWheel1;
  m_nWheel1 = other.m_nWheel1;
  m_nWheel2 = other.m_nWheel2;
  m_nWheel3 = other.m_nWheel3;
  m_strWheel2 = other.m_strWheel2;
  m_nWheel4 = other.m_nWheel4;
  m_nWheel5 = other.m_nWheel5;
  m_nWheel6 = other.m_nWheel6;
  m_nWheel7 = other.m_nWheel7;
  m_nWheel8 = other.m_nWheel8;
  m_nWheel9 = other.m_nWheel9;
  return *this;
}

CPullWheel::~CPullWheel() {}
