#include "CRetarder.h"

CRetarder::CRetarder()
    : CDevice(),
      m_nRetard1(0),
      m_nRetard2(0),
      m_nRetard3(0),
      m_nRetard4(0),
      m_nRetard5(0),
      m_nRetard6(0),
      m_nRetard7(0) {}

CRetarder::CRetarder(const CRetarder& other)
    : CDevice(other),
      m_strRetard1(other.m_strRetard1),
      m_nRetard1(other.m_nRetard1),
      m_nRetard2(other.m_nRetard2),
      m_strRetard2(other.m_strRetard2),
      m_nRetard3(other.m_nRetard3),
      m_nRetard4(other.m_nRetard4),
      m_nRetard5(other.m_nRetard5),
      m_nRetard6(other.m_nRetard6),
      m_nRetard7(other.m_nRetard7) {}

CRetarder& CRetarder::operator=(const CRetarder& other) {
  CDevice::operator=(other);
  m_strRetard1 = other.m_strRetard1;
  m_nRetard1 = other.m_nRetard1;
  m_nRetard2 = other.m_nRetard2;
  m_strRetard2 = other.m_strRetard2;
  m_nRetard3 = other.m_nRetard3;
  m_nRetard4 = other.m_nRetard4;
  m_nRetard5 = other.m_nRetard5;
  m_nRetard6 = other.m_nRetard6;
  m_nRetard7 = other.m_nRetard7;
  return *this;
}

CRetarder::~CRetarder() {}
