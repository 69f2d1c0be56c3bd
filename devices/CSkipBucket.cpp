#include "CSkipBucket.h"

CSkipBucket::CSkipBucket()
    : CDevice(),
      m_nSkip1(0),
      m_nSkip2(0),
      m_nSkip3(0),
      m_nSkip4(0),
      m_nSkip5(0),
      m_nSkip6(0),
      m_nSkip7(0),
      m_nSkip8(0),
      m_nSkip9(0) {}

CSkipBucket::CSkipBucket(const CSkipBucket& other)
    : CDevice(other),
      m_strSkip1(other.m_strSkip1),
      m_strSkip2(other.m_strSkip2),
      m_strSkip3(other.m_strSkip3),
      m_nSkip1(other.m_nSkip1),
      m_nSkip2(other.m_nSkip2),
      m_nSkip3(other.m_nSkip3),
      m_nSkip4(other.m_nSkip4),
      m_nSkip5(other.m_nSkip5),
      m_nSkip6(other.m_nSkip6),
      m_nSkip7(other.m_nSkip7),
      m_nSkip8(other.m_nSkip8),
      m_nSkip9(other.m_nSkip9) {}

CSkipBucket& CSkipBucket::operator=(const CSkipBucket& other) {
  CDevice::operator=(other);
  m_strSkip1 = other.m_strSkip1;
  m_strSkip2 = other.m_strSkip2;
  m_strSkip3 = other.m_strSkip3;
  m_nSkip1 = other.m_nSkip1;
  m_nSkip2 = other.m_nSkip2;
  m_nSkip3 = other.m_nSkip3;
  m_nSkip4 = other.m_nSkip4;
  m_nSkip5 = other.m_nSkip5;
  m_nSkip6 = other.m_nSkip6;
  m_nSkip7 = other.m_nSkip7;
  m_nSkip8 = other.m_nSkip8;
  m_nSkip9 = other.m_nSkip9;
  return *this;
}

CSkipBucket::~CSkipBucket() {}

int CSkipBucket::GetParaDBData(CADODatabase*, VjdDword) {
  return 0;
}

int CSkipBucket::SetParaDBData(CADODatabase*, int, VjdDword) {
  return 0;
}
