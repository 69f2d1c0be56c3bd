// Ids of the test dialogs of the framework tests.
#pragma once

#define IDD_FWTEST 100
#define IDD_FWTEST_MISSING 199
#define IDC_FWTEST_EDIT 101
#define IDC_FWTEST_CHECK 102
#define IDC_FWTEST_COMBO 103
#define IDC_FWTEST_LIST 104
#define IDC_FWTEST_NUMBER 105
