// Resource ids of the test dialog that hosts the grid as the configuration window does.
#pragma once

#define IDD_GRIDTEST 3900
#define IDC_GRIDTEST_OTHER 3901  // a button to move the focus to
#define IDC_GRIDTEST_BAR 3003    // the button bar, as in the configuration window
#define IDC_GRIDTEST_GRID 3004   // the grid, as in the configuration window
#define IDD_GRIDTEST_MODAL 3910  // a modal window opened from a click, as the position window is
