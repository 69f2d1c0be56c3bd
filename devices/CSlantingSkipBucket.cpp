#include "CSlantingSkipBucket.h"

CSlantingSkipBucket::CSlantingSkipBucket()
    : CSkipBucket(),
      m_nSlSkip1(0),
      m_nSlSkip2(0),
      m_nSlSkip3(0),
      m_nSlSkip4(0),
      m_nSlSkip5(0),
      m_nSlSkip6(0),
      m_nSlSkip7(0),
      m_nSlSkip8(0) {}

CSlantingSkipBucket::CSlantingSkipBucket(const CSlantingSkipBucket& other)
    : CSkipBucket(other),
      m_nSlSkip1(other.m_nSlSkip1),
      m_nSlSkip2(other.m_nSlSkip2),
      m_nSlSkip3(other.m_nSlSkip3),
      m_nSlSkip4(other.m_nSlSkip4),
      m_nSlSkip5(other.m_nSlSkip5),
      m_nSlSkip6(other.m_nSlSkip6),
      m_nSlSkip7(other.m_nSlSkip7),
      m_nSlSkip8(other.m_nSlSkip8) {}

CSlantingSkipBucket& CSlantingSkipBucket::operator=(const CSlantingSkipBucket& other) {
  CSkipBucket::operator=(other);
  m_nSlSkip1 = other.m_nSlSkip1;
  m_nSlSkip2 = other.m_nSlSkip2;
  m_nSlSkip3 = other.m_nSlSkip3;
  m_nSlSkip4 = other.m_nSlSkip4;
  m_nSlSkip5 = other.m_nSlSkip5;
  m_nSlSkip6 = other.m_nSlSkip6;
  m_nSlSkip7 = other.m_nSlSkip7;
  m_nSlSkip8 = other.m_nSlSkip8;
  return *this;
}

CSlantingSkipBucket::~CSlantingSkipBucket() {}
