// Resource ids of the grid's button bar: its strip image of four 22 x 20 buttons.
#pragma once

#define IDB_GRIDBUTTONBAR 3050
