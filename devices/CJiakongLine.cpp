#include "CJiakongLine.h"

CJiakongLine::CJiakongLine()
    : CDevice(), m_nLine1(0), m_nLine2(0), m_nLine3(0), m_nLine4(0), m_nLine5(0) {}

CJiakongLine::CJiakongLine(const CJiakongLine& other)
    : CDevice(other),
      m_strLine1(other.m_strLine1),
      m_nLine1(other.m_nLine1),
      m_nLine2(other.m_nLine2),
      m_nLine3(other.m_nLine3),
      m_nLine4(other.m_nLine4),
      m_nLine5(other.m_nLine5) {}

CJiakongLine& CJiakongLine::operator=(const CJiakongLine& other) {
  CDevice::operator=(other);
  m_strLine1 = other.m_strLine1;
  m_nLine1 = other.m_nLine1;
  m_nLine2 = other.m_nLine2;
  m_nLine3 = other.m_nLine3;
  m_nLine4 = other.m_nLine4;
  m_nLine5 = other.m_nLine5;
  return *this;
}

CJiakongLine::~CJiakongLine() {}
