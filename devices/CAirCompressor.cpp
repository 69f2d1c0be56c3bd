#include "CAirCompressor.h"

CAirCompressor::CAirCompressor() = default;
CAirCompressor::CAirCompressor(const CAirCompressor&) = default;
CAirCompressor& CAirCompressor::operator=(const CAirCompressor&) = default;
CAirCompressor::~CAirCompressor() = default;
