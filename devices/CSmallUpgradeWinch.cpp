#include "CSmallUpgradeWinch.h"

CSmallUpgradeWinch::CSmallUpgradeWinch() = default;
CSmallUpgradeWinch::CSmallUpgradeWinch(const CSmallUpgradeWinch&) = default;
CSmallUpgradeWinch& CSmallUpgradeWinch::operator=(const CSmallUpgradeWinch&) = default;
CSmallUpgradeWinch::~CSmallUpgradeWinch() = default;
