#include "CMultiCage.h"

CMultiCage::CMultiCage()
    : CCage(), m_nMCage1(0), m_nMCage2(0), m_nMCage3(0), m_nMCage4(0), m_nMCage5(0), m_nMCage6(0) {}

CMultiCage::CMultiCage(const CMultiCage& other)
    : CCage(other),
      m_nMCage1(other.m_nMCage1),
      m_nMCage2(other.m_nMCage2),
      m_strMCage1(other.m_strMCage1),
      m_nMCage3(other.m_nMCage3),
      m_strMCage2(other.m_strMCage2),
      m_nMCage4(other.m_nMCage4),
      m_nMCage5(other.m_nMCage5),
      m_strMCage3(other.m_strMCage3),
      m_nMCage6(other.m_nMCage6),
      m_strMCage4(other.m_strMCage4) {}

CMultiCage& CMultiCage::operator=(const CMultiCage& other) {
  CCage::operator=(other);
  m_nMCage1 = other.m_nMCage1;
  m_nMCage2 = other.m_nMCage2;
  m_strMCage1 = other.m_strMCage1;
  m_nMCage3 = other.m_nMCage3;
  m_strMCage2 = other.m_strMCage2;
  m_nMCage4 = other.m_nMCage4;
  m_nMCage5 = other.m_nMCage5;
  m_strMCage3 = other.m_strMCage3;
  m_nMCage6 = other.m_nMCage6;
  m_strMCage4 = other.m_strMCage4;
  return *this;
}

CMultiCage::~CMultiCage() {}
