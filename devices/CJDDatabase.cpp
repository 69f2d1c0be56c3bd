#include "CJDDatabase.h"

CJDDatabase::CJDDatabase(const CJDDatabase& other)
    : m_nDb1(other.m_nDb1), m_strDb1(other.m_strDb1) {}

CJDDatabase& CJDDatabase::operator=(const CJDDatabase& other) {
  m_nDb1 = other.m_nDb1;
  m_strDb1 = other.m_strDb1;
  return *this;
}
