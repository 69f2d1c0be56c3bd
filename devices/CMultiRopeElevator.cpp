#include "CMultiRopeElevator.h"

CMultiRopeElevator::CMultiRopeElevator()
    : CElevator(),
      m_nMrElev1(0),
      m_nMrElev2(0),
      m_nMrElev3(0),
      m_nMrElev4(0),
      m_nMrElev5(0),
      m_nMrElev6(0),
      m_nMrElev7(0),
      m_nMrElev8(0),
      m_nMrElev9(0),
      m_nMrElev10(0),
      m_nMrElev11(0),
      m_nMrElev12(0),
      m_nMrElev13(0),
      m_nMrElev14(0),
      m_nMrElev15(0),
      m_nMrElev16(0),
      m_nMrElev17(0),
      m_nMrElev18(0),
      m_nMrElev19(0),
      m_nMrElev20(0),
      m_nMrElev21(0) {}

CMultiRopeElevator::CMultiRopeElevator(const CMultiRopeElevator& other)
    : CElevator(other),
      m_nMrElev1(other.m_nMrElev1),
      m_nMrElev2(other.m_nMrElev2),
      m_nMrElev3(other.m_nMrElev3),
      m_nMrElev4(other.m_nMrElev4),
      m_nMrElev5(other.m_nMrElev5),
      m_nMrElev6(other.m_nMrElev6),
      m_nMrElev7(other.m_nMrElev7),
      m_nMrElev8(other.m_nMrElev8),
      m_nMrElev9(other.m_nMrElev9),
      m_nMrElev10(other.m_nMrElev10),
      m_nMrElev11(other.m_nMrElev11),
      m_nMrElev12(other.m_nMrElev12),
      m_nMrElev13(other.m_nMrElev13),
      m_nMrElev14(other.m_nMrElev14),
      m_nMrElev15(other.m_nMrElev15),
      m_nMrElev16(other.m_nMrElev16),
      m_nMrElev17(other.m_nMrElev17),
      m_nMrElev18(other.m_nMrElev18),
      m_nMrElev19(other.m_nMrElev19),
      m_nMrElev20(other.m_nMrElev20),
      m_nMrElev21(other.m_nMrElev21),
      m_strMrElev1(other.m_strMrElev1) {}

CMultiRopeElevator& CMultiRopeElevator::operator=(const CMultiRopeElevator& other) {
  CElevator::operator=(other);
  m_nMrElev1 = other.m_nMrElev1;
  m_nMrElev2 = other.m_nMrElev2;
  m_nMrElev3 = other.m_nMrElev3;
  m_nMrElev4 = other.m_nMrElev4;
  m_nMrElev5 = other.m_nMrElev5;
  m_nMrElev6 = other.m_nMrElev6;
  m_nMrElev7 = other.m_nMrElev7;
  m_nMrElev8 = other.m_nMrElev8;
  m_nMrElev9 = other.m_nMrElev9;
  m_nMrElev10 = other.m_nMrElev10;
  m_nMrElev11 = other.m_nMrElev11;
  m_nMrElev12 = other.m_nMrElev12;
  m_nMrElev13 = other.m_nMrElev13;
  m_nMrElev14 = other.m_nMrElev14;
  m_nMrElev15 = other.m_nMrElev15;
  m_nMrElev16 = other.m_nMrElev16;
  m_nMrElev17 = other.m_nMrElev17;
  m_nMrElev18 = other.m_nMrElev18;
  m_nMrElev19 = other.m_nMrElev19;
  m_nMrElev20 = other.m_nMrElev20;
  m_nMrElev21 = other.m_nMrElev21;
  m_strMrElev1 = other.m_strMrElev1;
  return *this;
}

CMultiRopeElevator::~CMultiRopeElevator() {}
