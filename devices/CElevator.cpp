#include "CElevator.h"

CElevator::CElevator()
    : CDevice(),
      m_nElev1(0),
      m_nElev2(0),
      m_nElev3(0),
      m_nElev4(0),
      m_nElev5(0),
      m_nElev6(0),
      m_nElev7(0),
      m_nElev8(0),
      m_nElev9(0),
      m_nElev10(0),
      m_nElev11(0),
      m_nElev12(0) {}

CElevator::CElevator(const CElevator& other)
    : CDevice(other),
      m_strElev1(other.m_strElev1),
      m_nElev1(other.m_nElev1),
      m_nElev2(other.m_nElev2),
      m_nElev3(other.m_nElev3),
      m_nElev4(other.m_nElev4),
      m_nElev5(other.m_nElev5),
      m_nElev6(other.m_nElev6),
      m_strElev2(other.m_strElev2),
      m_nElev7(other.m_nElev7),
      m_nElev8(other.m_nElev8),
      m_nElev9(other.m_nElev9),
      m_nElev10(other.m_nElev10),
      m_nElev11(other.m_nElev11),
      m_nElev12(other.m_nElev12) {}

CElevator& CElevator::operator=(const CElevator& other) {
  CDevice::operator=(other);
  m_strElev1 = other.m_strElev1;
  m_nElev1 = other.m_nElev1;
  m_nElev2 = other.m_nElev2;
  m_nElev3 = other.m_nElev3;
  m_nElev4 = other.m_nElev4;
  m_nElev5 = other.m_nElev5;
  m_nElev6 = other.m_nElev6;
  m_strElev2 = other.m_strElev2;
  m_nElev7 = other.m_nElev7;
  m_nElev8 = other.m_nElev8;
  m_nElev9 = other.m_nElev9;
  m_nElev10 = other.m_nElev10;
  m_nElev11 = other.m_nElev11;
  m_nElev12 = other.m_nElev12;
  return *this;
}

CElevator::~CElevator() {}

int CElevator::GetParaDBData(CADODatabase*, VjdDword) {
  return 0;
}

int CElevator::SetParaDBData(CADODatabase*, int, VjdDword) {
  return 0;
}
