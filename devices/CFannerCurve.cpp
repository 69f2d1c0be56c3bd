#include "CFannerCurve.h"

CFannerCurve::CFannerCurve()
    : CDevice(),
      m_nFan1(0),
      m_nFan2(0),
      m_nFan3(0),
      m_nFan4(0),
      m_nFan5(0),
      m_nFan6(0),
      m_nFan7(0),
      m_nFan8(0),
      m_nFan9(0),
      m_nFan10(0),
      m_nFan11(0),
      m_nFan12(0),
      m_nFan13(0) {}

CFannerCurve::CFannerCurve(const CFannerCurve& other)
    : CDevice(other),
      m_nFan1(other.m_nFan1),
      m_nFan2(other.m_nFan2),
      m_nFan3(other.m_nFan3),
      m_nFan4(other.m_nFan4),
      m_nFan5(other.m_nFan5),
      m_nFan6(other.m_nFan6),
      m_nFan7(other.m_nFan7),
      m_nFan8(other.m_nFan8),
      m_nFan9(other.m_nFan9),
      m_nFan10(other.m_nFan10),
      m_nFan11(other.m_nFan11),
      m_nFan12(other.m_nFan12),
      m_nFan13(other.m_nFan13),
      m_strFan1(other.m_strFan1),
      m_strFan2(other.m_strFan2),
      m_strFan3(other.m_strFan3),
      m_strFan4(other.m_strFan4) {}

CFannerCurve& CFannerCurve::operator=(const CFannerCurve& other) {
  CDevice::operator=(other);
  m_nFan1 = other.m_nFan1;
  m_nFan2 = other.m_nFan2;
  m_nFan3 = other.m_nFan3;
  m_nFan4 = other.m_nFan4;
  m_nFan5 = other.m_nFan5;
  m_nFan6 = other.m_nFan6;
  m_nFan7 = other.m_nFan7;
  m_nFan8 = other.m_nFan8;
  m_nFan9 = other.m_nFan9;
  m_nFan10 = other.m_nFan10;
  m_nFan11 = other.m_nFan11;
  m_nFan12 = other.m_nFan12;
  m_nFan13 = other.m_nFan13;
  m_strFan1 = other.m_strFan1;
  m_strFan2 = other.m_strFan2;
  m_strFan3 = other.m_strFan3;
  m_strFan4 = other.m_strFan4;
  return *this;
}

CFannerCurve::~CFannerCurve() {}

int CFannerCurve::GetParaDBData(CADODatabase*, VjdDword) {
  return 0;
}

int CFannerCurve::SetParaDBData(CADODatabase*, int, VjdDword) {
  return 0;
}
