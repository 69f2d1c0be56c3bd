#include "CMultiSkipBucket.h"

CMultiSkipBucket::CMultiSkipBucket()
    : CSkipBucket(), m_nMSkip1(0), m_nMSkip2(0), m_nMSkip3(0), m_nMSkip4(0) {}

CMultiSkipBucket::CMultiSkipBucket(const CMultiSkipBucket& other)
    : CSkipBucket(other),
      m_strMSkip1(other.m_strMSkip1),
      m_strMSkip2(other.m_strMSkip2),
      m_nMSkip1(other.m_nMSkip1),
      m_nMSkip2(other.m_nMSkip2),
      m_strMSkip3(other.m_strMSkip3),
      m_nMSkip3(other.m_nMSkip3),
      m_strMSkip4(other.m_strMSkip4),
      m_nMSkip4(other.m_nMSkip4) {}

CMultiSkipBucket& CMultiSkipBucket::operator=(const CMultiSkipBucket& other) {
  CSkipBucket::operator=(other);
  m_strMSkip1 = other.m_strMSkip1;
  m_strMSkip2 = other.m_strMSkip2;
  m_nMSkip1 = other.m_nMSkip1;
  m_nMSkip2 = other.m_nMSkip2;
  m_strMSkip3 = other.m_strMSkip3;
  m_nMSkip3 = other.m_nMSkip3;
  m_strMSkip4 = other.m_strMSkip4;
  m_nMSkip4 = other.m_nMSkip4;
  return *this;
}

CMultiSkipBucket::~CMultiSkipBucket() {}
