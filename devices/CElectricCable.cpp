#include "CElectricCable.h"

CElectricCable::CElectricCable()
    : CJDDatabase(),
      m_nCable1(0),
      m_nCable2(0),
      m_nCable3(0),
      m_nCable4(0),
      m_nCable5(0),
      m_nCable6(0),
      m_nCable7(0) {}

CElectricCable::CElectricCable(const CElectricCable& other)
    : CJDDatabase(other),
      m_strCable1(other.m_strCable1),
      m_nCable1(other.m_nCable1),
      m_nCable2(other.m_nCable2),
      m_nCable3(other.m_nCable3),
      m_nCable4(other.m_nCable4),
      m_nCable5(other.m_nCable5),
      m_nCable6(other.m_nCable6),
      m_nCable7(other.m_nCable7),
      m_strCable2(other.m_strCable2),
      m_strCable3(other.m_strCable3),
      m_strCable4(other.m_strCable4),
      m_strCable5(other.m_strCable5),
      m_strCable6(other.m_strCable6),
      m_strCable7(other.m_strCable7),
      m_strCable8(other.m_strCable8) {}

CElectricCable& CElectricCable::operator=(const CElectricCable& other) {
  CJDDatabase::operator=(other);
  m_strCable1 = other.m_strCable1;
  m_nCable1 = other.m_nCable1;
  m_nCable2 = other.m_nCable2;
  m_nCable3 = other.m_nCable3;
  m_nCable4 = other.m_nCable4;
  m_nCable5 = other.m_nCable5;
  m_nCable6 = other.m_nCable6;
  m_nCable7 = other.m_nCable7;
  m_strCable2 = other.m_strCable2;
  m_strCable3 = other.m_strCable3;
  m_strCable4 = other.m_strCable4;
  m_strCable5 = other.m_strCable5;
  m_strCable6 = other.m_strCable6;
  m_strCable7 = other.m_strCable7;
  m_strCable8 = other.m_strCable8;
  return *this;
}

CElectricCable::~CElectricCable() {}
