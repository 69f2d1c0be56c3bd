#include "CTransformer.h"

CTransformer::CTransformer()
    : CDevice(),
      m_nTrans1(0),
      m_nTrans2(0),
      m_nTrans3(0),
      m_nTrans4(0),
      m_nTrans5(0),
      m_nTrans6(0),
      m_nTrans7(0),
      m_nTrans8(0),
      m_nTrans9(0),
      m_nTrans10(0),
      m_nTrans11(0),
      m_nTrans12(0),
      m_nTrans13(0),
      m_nTrans14(0),
      m_nTrans15(0),
      m_nTrans16(0),
      m_nTrans17(0),
      m_nTrans18(0),
      m_nTrans19(0),
      m_nTrans20(0) {}

CTransformer::CTransformer(const CTransformer& other)
    : CDevice(other),
      m_strTrans1(other.m_strTrans1),
      m_nTrans1(other.m_nTrans1),
      m_nTrans2(other.m_nTrans2),
      m_nTrans3(other.m_nTrans3),
      m_nTrans4(other.m_nTrans4),
      m_nTrans5(other.m_nTrans5),
      m_nTrans6(other.m_nTrans6),
      m_nTrans7(other.m_nTrans7),
      m_nTrans8(other.m_nTrans8),
      m_nTrans9(other.m_nTrans9),
      m_nTrans10(other.m_nTrans10),
      m_nTrans11(other.m_nTrans11),
      m_nTrans12(other.m_nTrans12),
      m_nTrans13(other.m_nTrans13),
      m_nTrans14(other.m_nTrans14),
      m_nTrans15(other.m_nTrans15),
      m_nTrans16(other.m_nTrans16),
      m_nTrans17(other.m_nTrans17),
      m_nTrans18(other.m_nTrans18),
      m_nTrans19(other.m_nTrans19),
      m_nTrans20(other.m_nTrans20),
      m_strTrans2(other.m_strTrans2) {}

CTransformer& CTransformer::operator=(const CTransformer& other) {
  CDevice::operator=(other);
  m_strTrans1 = other.m_strTrans1;
  m_nTrans1 = other.m_nTrans1;
  m_nTrans2 = other.m_nTrans2;
  m_nTrans3 = other.m_nTrans3;
  m_nTrans4 = other.m_nTrans4;
  m_nTrans5 = other.m_nTrans5;
  m_nTrans6 = other.m_nTrans6;
  m_nTrans7 = other.m_nTrans7;
  m_nTrans8 = other.m_nTrans8;
  m_nTrans9 = other.m_nTrans9;
  m_nTrans10 = other.m_nTrans10;
  m_nTrans11 = other.m_nTrans11;
  m_nTrans12 = other.m_nTrans12;
  m_nTrans13 = other.m_nTrans13;
  m_nTrans14 = other.m_nTrans14;
  m_nTrans15 = other.m_nTrans15;
  m_nTrans16 = other.m_nTrans16;
  m_nTrans17 = other.m_nTrans17;
  m_nTrans18 = other.m_nTrans18;
  m_nTrans19 = other.m_nTrans19;
  m_nTrans20 = other.m_nTrans20;
  m_strTrans2 = other.m_strTrans2;
  return *this;
}

CTransformer::~CTransformer() {}
