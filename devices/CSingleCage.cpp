#include "CSingleCage.h"

CSingleCage::CSingleCage() = default;
CSingleCage::CSingleCage(const CSingleCage&) = default;
CSingleCage& CSingleCage::operator=(const CSingleCage&) = default;
CSingleCage::~CSingleCage() = default;
