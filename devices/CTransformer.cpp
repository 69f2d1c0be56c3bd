#include "CTransformer.h"

CTransformer::CTransformer() = default;
CTransformer::CTransformer(const CTransformer&) = default;
CTransformer& CTransformer::operator=(const CTransformer&) = default;
CTransformer::~CTransformer() = default;
