#include "CSingleSkipBucket.h"

CSingleSkipBucket::CSingleSkipBucket() : CSkipBucket(), m_nSSkip1(0) {}

CSingleSkipBucket::CSingleSkipBucket(const CSingleSkipBucket& other)
    : CSkipBucket(other), m_nSSkip1(other.m_nSSkip1) {}

CSingleSkipBucket& CSingleSkipBucket::operator=(const CSingleSkipBucket& other) {
  CSkipBucket::operator=(other);
  m_nSSkip1 = other.m_nSSkip1;
  return *this;
}

CSingleSkipBucket::~CSingleSkipBucket() {}
