#include "CPump.h"

CPump::CPump()
    : CDevice(),
      m_nPump1(0),
      m_nPump2(0),
      m_nPump3(0),
      m_nPump4(0),
      m_nPump5(0),
      m_nPump6(0),
      m_nPump7(0),
      m_nPump8(0),
      m_nPump9(0),
      m_nPump10(0),
      m_nPump11(0),
      m_nPump12(0),
      m_nPump13(0),
      m_nPump14(0),
      m_nPump15(0),
      m_nPump16(0),
      m_nPump17(0),
      m_nPump18(0),
      m_nPump19(0),
      m_nPump20(0),
      m_nPump21(0),
      m_nPump22(0),
      m_nPump23(0),
      m_nPump24(0),
      m_nPump25(0),
      m_nPump26(0),
      m_nPump27(0),
      m_nPump28(0),
      m_nPump29(0),
      m_nPump30(0),
      m_nPump31(0),
      m_nPump32(0),
      m_nPump33(0) {}

CPump::CPump(const CPump& other)
    : CDevice(other),
      m_nPump1(other.m_nPump1),
      m_nPump2(other.m_nPump2),
      m_nPump3(other.m_nPump3),
      m_nPump4(other.m_nPump4),
      m_nPump5(other.m_nPump5),
      m_nPump6(other.m_nPump6),
      m_nPump7(other.m_nPump7),
      m_nPump8(other.m_nPump8),
      m_nPump9(other.m_nPump9),
      m_nPump10(other.m_nPump10),
      m_nPump11(other.m_nPump11),
      m_nPump12(other.m_nPump12),
      m_nPump13(other.m_nPump13),
      m_nPump14(other.m_nPump14),
      m_nPump15(other.m_nPump15),
      m_nPump16(other.m_nPump16),
      m_nPump17(other.m_nPump17),
      m_nPump18(other.m_nPump18),
      m_nPump19(other.m_nPump19),
      m_nPump20(other.m_nPump20),
      m_nPump21(other.m_nPump21),
      m_nPump22(other.m_nPump22),
      m_strPump1(other.m_strPump1),
      m_nPump23(other.m_nPump23),
      m_nPump24(other.m_nPump24),
      m_nPump25(other.m_nPump25),
      m_nPump26(other.m_nPump26),
      m_nPump27(other.m_nPump27),
      m_nPump28(other.m_nPump28),
      m_nPump29(other.m_nPump29),
      m_nPump30(other.m_nPump30),
      m_nPump31(other.m_nPump31),
      m_nPump32(other.m_nPump32),
      m_nPump33(other.m_nPump33) {}

CPump& CPump::operator=(const CPump& other) {
  CDevice::operator=(other);
  m_nPump1 = other.m_nPump1;
  m_nPump2 = other.m_nPump2;
  m_nPump3 = other.m_nPump3;
  m_nPump4 = other.m_nPump4;
  m_nPump5 = other.m_nPump5;
  m_nPump6 = other.m_nPump6;
  m_nPump7 = other.m_nPump7;
  m_nPump8 = other.m_nPump8;
  m_nPump9 = other.m_nPump9;
  m_nPump10 = other.m_nPump10;
  m_nPump11 = other.m_nPump11;
  m_nPump12 = other.m_nPump12;
  m_nPump13 = other.m_nPump13;
  m_nPump14 = other.m_nPump14;
  m_nPump15 = other.m_nPump15;
  m_nPump16 = other.m_nPump16;
  m_nPump17 = other.m_nPump17;
  m_nPump18 = other.m_nPump18;
  m_nPump19 = other.m_nPump19;
  m_nPump20 = other.m_nPump20;
  m_nPump21 = other.m_nPump21;
  m_nPump22 = other.m_nPump22;
  m_strPump1 = other.m_strPump1;
  m_nPump23 = other.m_nPump23;
  m_nPump24 = other.m_nPump24;
  m_nPump25 = other.m_nPump25;
  m_nPump26 = other.m_nPump26;
  m_nPump27 = other.m_nPump27;
  m_nPump28 = other.m_nPump28;
  m_nPump29 = other.m_nPump29;
  m_nPump30 = other.m_nPump30;
  m_nPump31 = other.m_nPump31;
  m_nPump32 = other.m_nPump32;
  m_nPump33 = other.m_nPump33;
  return *this;
}

CPump::~CPump() {}
