#include "CColligateProtect.h"

CColligateProtect::CColligateProtect()
    : CDevice(),
      m_nProtect1(0),
      m_nProtect2(0),
      m_nProtect3(0),
      m_nProtect4(0),
      m_nProtect5(0),
      m_nProtect6(0),
      m_nProtect7(0),
      m_nProtect8(0),
      m_nProtect9(0),
      m_nProtect10(0),
      m_nProtect11(0),
      m_nProtect12(0),
      m_nProtect13(0),
      m_nProtect14(0) {}

CColligateProtect::CColligateProtect(const CColligateProtect& other)
    : CDevice(other),
      m_strProtect1(other.m_strProtect1),
      m_strProtect2(other.m_strProtect2),
      m_nProtect1(other.m_nProtect1),
      m_nProtect2(other.m_nProtect2),
      m_nProtect3(other.m_nProtect3),
      m_nProtect4(other.m_nProtect4),
      m_nProtect5(other.m_nProtect5),
      m_nProtect6(other.m_nProtect6),
      m_nProtect7(other.m_nProtect7),
      m_nProtect8(other.m_nProtect8),
      m_nProtect9(other.m_nProtect9),
      m_nProtect10(other.m_nProtect10),
      m_nProtect11(other.m_nProtect11),
      m_nProtect12(other.m_nProtect12),
      m_nProtect13(other.m_nProtect13),
      m_nProtect14(other.m_nProtect14),
      m_strProtect3(other.m_strProtect3) {}

CColligateProtect& CColligateProtect::operator=(const CColligateProtect& other) {
  CDevice::operator=(other);
  m_strProtect1 = other.m_strProtect1;
  m_strProtect2 = other.m_strProtect2;
  m_nProtect1 = other.m_nProtect1;
  m_nProtect2 = other.m_nProtect2;
  m_nProtect3 = other.m_nProtect3;
  m_nProtect4 = other.m_nProtect4;
  m_nProtect5 = other.m_nProtect5;
  m_nProtect6 = other.m_nProtect6;
  m_nProtect7 = other.m_nProtect7;
  m_nProtect8 = other.m_nProtect8;
  m_nProtect9 = other.m_nProtect9;
  m_nProtect10 = other.m_nProtect10;
  m_nProtect11 = other.m_nProtect11;
  m_nProtect12 = other.m_nProtect12;
  m_nProtect13 = other.m_nProtect13;
  m_nProtect14 = other.m_nProtect14;
  m_strProtect3 = other.m_strProtect3;
  return *this;
}

CColligateProtect::~CColligateProtect() {}
