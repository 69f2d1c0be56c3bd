#include "CMultiSkipBucket.h"

CMultiSkipBucket::CMultiSkipBucket() = default;
CMultiSkipBucket::CMultiSkipBucket(const CMultiSkipBucket&) = default;
CMultiSkipBucket& CMultiSkipBucket::operator=(const CMultiSkipBucket&) = default;
CMultiSkipBucket::~CMultiSkipBucket() = default;
