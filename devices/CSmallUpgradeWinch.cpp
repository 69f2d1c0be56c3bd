#include "CSmallUpgradeWinch.h"

CSmallUpgradeWinch::CSmallUpgradeWinch()
    : CDevice(),
      m_nSWinch1(0),
      m_nSWinch2(0),
      m_nSWinch3(0),
      m_nSWinch4(0),
      m_nSWinch5(0),
      m_nSWinch6(0),
      m_nSWinch7(0),
      m_nSWinch8(0),
      m_nSWinch9(0),
      m_nSWinch10(0),
      m_nSWinch11(0),
      m_nSWinch12(0) {}

CSmallUpgradeWinch::CSmallUpgradeWinch(const CSmallUpgradeWinch& other)
    : CDevice(other),
      m_nSWinch1(other.m_nSWinch1),
      m_nSWinch2(other.m_nSWinch2),
      m_strSWinch1(other.m_strSWinch1),
      m_nSWinch3(other.m_nSWinch3),
      m_nSWinch4(other.m_nSWinch4),
      m_nSWinch5(other.m_nSWinch5),
      m_nSWinch6(other.m_nSWinch6),
      m_nSWinch7(other.m_nSWinch7),
      m_strSWinch2(other.m_strSWinch2),
      m_nSWinch8(other.m_nSWinch8),
      m_nSWinch9(other.m_nSWinch9),
      m_nSWinch10(other.m_nSWinch10),
      m_strSWinch3(other.m_strSWinch3),
      m_nSWinch11(other.m_nSWinch11),
      m_nSWinch12(other.m_nSWinch12),
      m_strSWinch4(other.m_strSWinch4),
      m_strSWinch5(other.m_strSWinch5) {}

CSmallUpgradeWinch& CSmallUpgradeWinch::operator=(const CSmallUpgradeWinch& other) {
  CDevice::operator=(other);
  m_nSWinch1 = other.m_nSWinch1;
  m_nSWinch2 = other.m_nSWinch2;
  m_strSWinch1 = other.m_strSWinch1;
  m_nSWinch3 = other.m_nSWinch3;
  m_nSWinch4 = other.m_nSWinch4;
  m_nSWinch5 = other.m_nSWinch5;
  m_nSWinch6 = other.m_nSWinch6;
  m_nSWinch7 = other.m_nSWinch7;
  m_strSWinch2 = other.m_strSWinch2;
  m_nSWinch8 = other.m_nSWinch8;
  m_nSWinch9 = other.m_nSWinch9;
  m_nSWinch10 = other.m_nSWinch10;
  m_strSWinch3 = other.m_strSWinch3;
  m_nSWinch11 = other.m_nSWinch11;
  m_nSWinch12 = other.m_nSWinch12;
  m_strSWinch4 = other.m_strSWinch4;
  m_strSWinch5 = other.m_strSWinch5;
  return *this;
}

CSmallUpgradeWinch::~CSmallUpgradeWinch() {}
