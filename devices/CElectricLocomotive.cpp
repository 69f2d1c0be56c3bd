#include "CElectricLocomotive.h"

CElectricLocomotive::CElectricLocomotive()
    : CDevice(),
      m_nLoco1(0),
      m_nLoco2(0),
      m_nLoco3(0),
      m_nLoco4(0),
      m_nLoco5(0),
      m_nLoco6(0),
      m_nLoco7(0),
      m_nLoco8(0),
      m_nLoco9(0),
      m_nLoco10(0),
      m_nLoco11(0),
      m_nLoco12(0),
      m_nLoco13(0),
      m_nLoco14(0),
      m_nLoco15(0),
      m_nLoco16(0),
      m_nLoco17(0),
      m_nLoco18(0) {}

CElectricLocomotive::CElectricLocomotive(const CElectricLocomotive& other)
    : CDevice(other),
      m_nLoco1(other.m_nLoco1),
      m_nLoco2(other.m_nLoco2),
      m_nLoco3(other.m_nLoco3),
      m_nLoco4(other.m_nLoco4),
      m_nLoco5(other.m_nLoco5),
      m_nLoco6(other.m_nLoco6),
      m_nLoco7(other.m_nLoco7),
      m_nLoco8(other.m_nLoco8),
      m_nLoco9(other.m_nLoco9),
      m_nLoco10(other.m_nLoco10),
      m_nLoco11(other.m_nLoco11),
      m_nLoco12(other.m_nLoco12),
      m_nLoco13(other.m_nLoco13),
      m_nLoco14(other.m_nLoco14),
      m_nLoco15(other.m_nLoco15),
      m_nLoco16(other.m_nLoco16),
      m_nLoco17(other.m_nLoco17),
      m_nLoco18(other.m_nLoco18),
      m_strLoco1(other.m_strLoco1),
      m_strLoco2(other.m_strLoco2),
      m_strLoco3(other.m_strLoco3),
      m_strLoco4(other.m_strLoco4),
      m_strLoco5(other.m_strLoco5) {}

CElectricLocomotive& CElectricLocomotive::operator=(const CElectricLocomotive& other) {
  CDevice::operator=(other);
  m_nLoco1 = other.m_nLoco1;
  m_nLoco2 = other.m_nLoco2;
  m_nLoco3 = other.m_nLoco3;
  m_nLoco4 = other.m_nLoco4;
  m_nLoco5 = other.m_nLoco5;
  m_nLoco6 = other.m_nLoco6;
  m_nLoco7 = other.m_nLoco7;
  m_nLoco8 = other.m_nLoco8;
  m_nLoco9 = other.m_nLoco9;
  m_nLoco10 = other.m_nLoco10;
  m_nLoco11 = other.m_nLoco11;
  m_nLoco12 = other.m_nLoco12;
  m_nLoco13 = other.m_nLoco13;
  m_nLoco14 = other.m_nLoco14;
  m_nLoco15 = other.m_nLoco15;
  m_nLoco16 = other.m_nLoco16;
  m_nLoco17 = other.m_nLoco17;
  m_nLoco18 = other.m_nLoco18;
  m_strLoco1 = other.m_strLoco1;
  m_strLoco2 = other.m_strLoco2;
  m_strLoco3 = other.m_strLoco3;
  m_strLoco4 = other.m_strLoco4;
  m_strLoco5 = other.m_strLoco5;
  return *this;
}

CElectricLocomotive::~CElectricLocomotive() {}
