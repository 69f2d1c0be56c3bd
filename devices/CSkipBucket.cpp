#include "CSkipBucket.h"

CSkipBucket::CSkipBucket() = default;
CSkipBucket::CSkipBucket(const CSkipBucket&) = default;
CSkipBucket& CSkipBucket::operator=(const CSkipBucket&) = default;
CSkipBucket::~CSkipBucket() = default;

int CSkipBucket::GetParaDBData(CADODatabase*, VjdDword) {
  return 0;
}

int CSkipBucket::SetParaDBData(CADODatabase*, int, VjdDword) {
  return 0;
}
