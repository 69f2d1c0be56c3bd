#include "CSlantingSkipBucket.h"

CSlantingSkipBucket::CSlantingSkipBucket() = default;
CSlantingSkipBucket::CSlantingSkipBucket(const CSlantingSkipBucket&) = default;
CSlantingSkipBucket& CSlantingSkipBucket::operator=(const CSlantingSkipBucket&) = default;
CSlantingSkipBucket::~CSlantingSkipBucket() = default;
