#include "CUpgradeWinch.h"

CUpgradeWinch::CUpgradeWinch() = default;
CUpgradeWinch::CUpgradeWinch(const CUpgradeWinch&) = default;
CUpgradeWinch& CUpgradeWinch::operator=(const CUpgradeWinch&) = default;
CUpgradeWinch::~CUpgradeWinch() = default;
