#include "CSingleCage.h"

CSingleCage::CSingleCage() : CCage() {}

CSingleCage::CSingleCage(const CSingleCage& other) : CCage(other), m_strSCage1(other.m_strSCage1) {}

CSingleCage& CSingleCage::operator=(const CSingleCage& other) {
  CCage::operator=(other);
  m_strSCage1 = other.m_strSCage1;
  return *this;
}

CSingleCage::~CSingleCage() {}
