#include "CSingleSkipBucket.h"

CSingleSkipBucket::CSingleSkipBucket() = default;
CSingleSkipBucket::CSingleSkipBucket(const CSingleSkipBucket&) = default;
CSingleSkipBucket& CSingleSkipBucket::operator=(const CSingleSkipBucket&) = default;
CSingleSkipBucket::~CSingleSkipBucket() = default;
