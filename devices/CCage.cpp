#include "CCage.h"

CCage::CCage()
    : CDevice(),
      m_nCage1(0),
      m_nCage2(0),
      m_nCage3(0),
      m_nCage4(0),
      m_nCage5(0),
      m_nCage6(0),
      m_nCage7(0),
      m_nCage8(0),
      m_nCage9(0),
      m_nCage10(0),
      m_nCage11(0) {}

CCage::CCage(const CCage& other)
    : CDevice(other),
      m_strCage1(other.m_strCage1),
      m_strCage2(other.m_strCage2),
      m_strCage3(other.m_strCage3),
      m_nCage1(other.m_nCage1),
      m_nCage2(other.m_nCage2),
      m_nCage3(other.m_nCage3),
      m_nCage4(other.m_nCage4),
      m_nCage5(other.m_nCage5),
      m_strCage4(other.m_strCage4),
      m_nCage6(other.m_nCage6),
      m_nCage7(other.m_nCage7),
      m_nCage8(other.m_nCage8),
      m_nCage9(other.m_nCage9),
      m_nCage10(other.m_nCage10),
      m_nCage11(other.m_nCage11) {}

CCage& CCage::operator=(const CCage& other) {
  CDevice::operator=(other);
  m_strCage1 = other.m_strCage1;
  m_strCage2 = other.m_strCage2;
  m_strCage3 = other.m_strCage3;
  m_nCage1 = other.m_nCage1;
  m_nCage2 = other.m_nCage2;
  m_nCage3 = other.m_nCage3;
  m_nCage4 = other.m_nCage4;
  m_nCage5 = other.m_nCage5;
  m_strCage4 = other.m_strCage4;
  m_nCage6 = other.m_nCage6;
  m_nCage7 = other.m_nCage7;
  m_nCage8 = other.m_nCage8;
  m_nCage9 = other.m_nCage9;
  m_nCage10 = other.m_nCage10;
  m_nCage11 = other.m_nCage11;
  return *this;
}

CCage::~CCage() {}

int CCage::GetParaDBData(CADODatabase*, VjdDword) {
  return 0;
}

int CCage::SetParaDBData(CADODatabase*, int, VjdDword) {
  return 0;
}
