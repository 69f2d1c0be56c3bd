#include "CEletromotor.h"

CEletromotor::CEletromotor()
    : CDevice(),
      m_nEmotor1(0),
      m_nEmotor2(0),
      m_nEmotor3(0),
      m_nEmotor4(0),
      m_nEmotor5(0),
      m_nEmotor6(0),
      m_nEmotor7(0),
      m_nEmotor8(0),
      m_nEmotor9(0),
      m_nEmotor10(0),
      m_nEmotor11(0),
      m_nEmotor12(0) {}

CEletromotor::CEletromotor(const CEletromotor& other)
    : CDevice(other),
      m_strEmotor1(other.m_strEmotor1),
      m_strEmotor2(other.m_strEmotor2),
      m_nEmotor1(other.m_nEmotor1),
      m_nEmotor2(other.m_nEmotor2),
      m_nEmotor3(other.m_nEmotor3),
      m_nEmotor4(other.m_nEmotor4),
      m_nEmotor5(other.m_nEmotor5),
      m_nEmotor6(other.m_nEmotor6),
      m_nEmotor7(other.m_nEmotor7),
      m_nEmotor8(other.m_nEmotor8),
      m_nEmotor9(other.m_nEmotor9),
      m_nEmotor10(other.m_nEmotor10),
      m_nEmotor11(other.m_nEmotor11),
      m_nEmotor12(other.m_nEmotor12) {}

CEletromotor& CEletromotor::operator=(const CEletromotor& other) {
  CDevice::operator=(other);
  m_strEmotor1 = other.m_strEmotor1;
  m_strEmotor2 = other.m_strEmotor2;
  m_nEmotor1 = other.m_nEmotor1;
  m_nEmotor2 = other.m_nEmotor2;
  m_nEmotor3 = other.m_nEmotor3;
  m_nEmotor4 = other.m_nEmotor4;
  m_nEmotor5 = other.m_nEmotor5;
  m_nEmotor6 = other.m_nEmotor6;
  m_nEmotor7 = other.m_nEmotor7;
  m_nEmotor8 = other.m_nEmotor8;
  m_nEmotor9 = other.m_nEmotor9;
  m_nEmotor10 = other.m_nEmotor10;
  m_nEmotor11 = other.m_nEmotor11;
  m_nEmotor12 = other.m_nEmotor12;
  return *this;
}

CEletromotor::~CEletromotor() {}
