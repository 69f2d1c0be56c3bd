#include "CMultiCage.h"

CMultiCage::CMultiCage() = default;
CMultiCage::CMultiCage(const CMultiCage&) = default;
CMultiCage& CMultiCage::operator=(const CMultiCage&) = default;
CMultiCage::~CMultiCage() = default;
