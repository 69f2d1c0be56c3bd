#include "CSingleRopeElevator.h"

CSingleRopeElevator::CSingleRopeElevator()
    : CElevator(),
      m_nSrElev1(0),
      m_nSrElev2(0),
      m_nSrElev3(0),
      m_nSrElev4(0),
      m_nSrElev5(0),
      m_nSrElev6(0),
      m_nSrElev7(0),
      m_nSrElev8(0),
      m_nSrElev9(0),
      m_nSrElev10(0),
      m_nSrElev11(0) {}

CSingleRopeElevator::CSingleRopeElevator(const CSingleRopeElevator& other)
    : CElevator(other),
      m_nSrElev1(other.m_nSrElev1),
      m_nSrElev2(other.m_nSrElev2),
      m_nSrElev3(other.m_nSrElev3),
      m_nSrElev4(other.m_nSrElev4),
      m_nSrElev5(other.m_nSrElev5),
      m_nSrElev6(other.m_nSrElev6),
      m_nSrElev7(other.m_nSrElev7),
      m_strSrElev1(other.m_strSrElev1),
      m_strSrElev2(other.m_strSrElev2),
      m_strSrElev3(other.m_strSrElev3),
      m_nSrElev8(other.m_nSrElev8),
      m_nSrElev9(other.m_nSrElev9),
      m_strSrElev4(other.m_strSrElev4),
      m_nSrElev10(other.m_nSrElev10),
      m_nSrElev11(other.m_nSrElev11) {}

CSingleRopeElevator& CSingleRopeElevator::operator=(const CSingleRopeElevator& other) {
  CElevator::operator=(other);
  m_nSrElev1 = other.m_nSrElev1;
  m_nSrElev2 = other.m_nSrElev2;
  m_nSrElev3 = other.m_nSrElev3;
  m_nSrElev4 = other.m_nSrElev4;
  m_nSrElev5 = other.m_nSrElev5;
  m_nSrElev6 = other.m_nSrElev6;
  m_nSrElev7 = other.m_nSrElev7;
  m_strSrElev1 = other.m_strSrElev1;
  m_strSrElev2 = other.m_strSrElev2;
  m_strSrElev3 = other.m_strSrElev3;
  m_nSrElev8 = other.m_nSrElev8;
  m_nSrElev9 = other.m_nSrElev9;
  m_strSrElev4 = other.m_strSrElev4;
  m_nSrElev10 = other.m_nSrElev10;
  m_nSrElev11 = other.m_nSrElev11;
  return *this;
}

CSingleRopeElevator::~CSingleRopeElevator() {}
