#include "CUpgradeWinch.h"

CUpgradeWinch::CUpgradeWinch()
    : CDevice(),
      m_nWinch1(0),
      m_nWinch2(0),
      m_nWinch3(0),
      m_nWinch4(0),
      m_nWinch5(0),
      m_nWinch6(0),
      m_nWinch7(0),
      m_nWinch8(0),
      m_nWinch9(0),
      m_nWinch10(0),
      m_nWinch11(0),
      m_nWinch12(0),
      m_nWinch13(0),
      m_nWinch14(0),
      m_nWinch15(0),
      m_nWinch16(0),
      m_nWinch17(0),
      m_nWinch18(0),
      m_nWinch19(0) {}

CUpgradeWinch::CUpgradeWinch(const CUpgradeWinch& other)
    : CDevice(other),
      m_nWinch1(other.m_nWinch1),
      m_nWinch2(other.m_nWinch2),
      m_nWinch3(other.m_nWinch3),
      m_nWinch4(other.m_nWinch4),
      m_nWinch5(other.m_nWinch5),
      m_nWinch6(other.m_nWinch6),
      m_nWinch7(other.m_nWinch7),
      m_nWinch8(other.m_nWinch8),
      m_nWinch9(other.m_nWinch9),
      m_nWinch10(other.m_nWinch10),
      m_nWinch11(other.m_nWinch11),
      m_nWinch12(other.m_nWinch12),
      m_nWinch13(other.m_nWinch13),
      m_nWinch14(other.m_nWinch14),
      m_strWinch1(other.m_strWinch1),
      m_nWinch15(other.m_nWinch15),
      m_nWinch16(other.m_nWinch16),
      m_strWinch2(other.m_strWinch2),
      m_nWinch17(other.m_nWinch17),
      m_strWinch3(other.m_strWinch3),
      m_nWinch18(other.m_nWinch18),
      m_nWinch19(other.m_nWinch19),
      m_strWinch4(other.m_strWinch4) {}

CUpgradeWinch& CUpgradeWinch::operator=(const CUpgradeWinch& other) {
  CDevice::operator=(other);
  m_nWinch1 = other.m_nWinch1;
  m_nWinch2 = other.m_nWinch2;
  m_nWinch3 = other.m_nWinch3;
  m_nWinch4 = other.m_nWinch4;
  m_nWinch5 = other.m_nWinch5;
  m_nWinch6 = other.m_nWinch6;
  m_nWinch7 = other.m_nWinch7;
  m_nWinch8 = other.m_nWinch8;
  m_nWinch9 = other.m_nWinch9;
  m_nWinch10 = other.m_nWinch10;
  m_nWinch11 = other.m_nWinch11;
  m_nWinch12 = other.m_nWinch12;
  m_nWinch13 = other.m_nWinch13;
  m_nWinch14 = other.m_nWinch14;
  m_strWinch1 = other.m_strWinch1;
  m_nWinch15 = other.m_nWinch15;
  m_nWinch16 = other.m_nWinch16;
  m_strWinch2 = other.m_strWinch2;
  m_nWinch17 = other.m_nWinch17;
  m_strWinch3 = other.m_strWinch3;
  m_nWinch18 = other.m_nWinch18;
  m_nWinch19 = other.m_nWinch19;
  m_strWinch4 = other.m_strWinch4;
  return *this;
}

CUpgradeWinch::~CUpgradeWinch() {}
