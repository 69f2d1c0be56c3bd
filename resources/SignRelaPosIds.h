// Resource ids of the label position window (template 3001) and its picture (bitmap 3002).
// The radio buttons are named by the position code they stand for; the code is their index in
// the template's one radio group, not their id.
#pragma once

#define IDD_SIGNRELAPOS 3001
#define IDB_SIGNRELAPOS 3002

// Inner ring: corners and edge middles of the outline, then its centre.
#define IDC_POSITION_0 1014   // "右上"
#define IDC_POSITION_1 1015   // "右"
#define IDC_POSITION_2 1016   // "右下"
#define IDC_POSITION_3 1017   // "下"
#define IDC_POSITION_4 1018   // "左下"
#define IDC_POSITION_5 1019   // "左"
#define IDC_POSITION_6 1020   // "左上"
#define IDC_POSITION_7 1021   // "上"
#define IDC_POSITION_8 1026   // "正中间"
// Outer ring, one step further out, without captions.
#define IDC_POSITION_9 1028
#define IDC_POSITION_10 1035
#define IDC_POSITION_11 1036
#define IDC_POSITION_12 1037
#define IDC_POSITION_13 1038
#define IDC_POSITION_14 1039
#define IDC_POSITION_15 1040
#define IDC_POSITION_16 1041
// Further up and down the vertical middle line.
#define IDC_POSITION_17 3005
#define IDC_POSITION_18 3006
#define IDC_POSITION_19 3007
#define IDC_POSITION_20 3008
// The four middle positions on the right of the outline.
#define IDC_POSITION_21 1024  // "中上1"
#define IDC_POSITION_22 1025  // "中上2"
#define IDC_POSITION_23 1027  // "中下1"
#define IDC_POSITION_24 1029  // "中下2"

#ifndef RC_INVOKED
// The buttons' ids in code order: the index of an id here is the position code of its button.
inline constexpr int kPositionButtonIds[25] = {
    IDC_POSITION_0,  IDC_POSITION_1,  IDC_POSITION_2,  IDC_POSITION_3,  IDC_POSITION_4,
    IDC_POSITION_5,  IDC_POSITION_6,  IDC_POSITION_7,  IDC_POSITION_8,  IDC_POSITION_9,
    IDC_POSITION_10, IDC_POSITION_11, IDC_POSITION_12, IDC_POSITION_13, IDC_POSITION_14,
    IDC_POSITION_15, IDC_POSITION_16, IDC_POSITION_17, IDC_POSITION_18, IDC_POSITION_19,
    IDC_POSITION_20, IDC_POSITION_21, IDC_POSITION_22, IDC_POSITION_23, IDC_POSITION_24};
#endif
