// Resource ids of the annotation configuration window (template 3000).  Control ids sit in the
// 3000 block of this dialog; labels and group boxes have no id of their own (IDC_STATIC).
#pragma once

#define IDD_PARASET 3000

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Symbol choice and preview
#define IDC_CB_CATEGORY 3000  // drop-down list of categories, under "机电符号"
#define IDC_PREVIEW 3001      // black rectangle taken over by the preview window
#define IDC_CB_SYMBOL 3002    // drop-down list of the category's symbols

// Label grid
#define IDC_GRID_BUTTONBAR 3003  // owner-drawn strip above the grid: caption and row buttons
#define IDC_GRID 3004            // report-style list view taken over by the grid

// Display switches of motors, cables and short-circuit points
#define IDC_CHK_SHOW_CABLE_LABEL 3006   // "显示电缆标注"
#define IDC_CHK_SHOW_CABLE_NAME 3007    // "显示电缆名称"
#define IDC_CHK_SHOW_MOTOR_MODEL 3008   // "显示电机型号"
#define IDC_CHK_SHOW_MOTOR_NAME 3009    // "显示电机名称"
#define IDC_CHK_ONE_LINE 3011           // "显示一行标注"
#define IDC_CHK_CONFIG_MOTOR 3012       // "配置标注" of the motor group
#define IDC_CHK_SHOW_SHORT_NAME 3014    // "显示短路点名称"
#define IDC_CHK_CONFIG_CABLE 3015       // "配置标注" of the cable group
#define IDC_CHK_CONFIG_SHORT 3016       // "配置标注" of the short-circuit group
#define IDC_CHK_SHOW_SHORT_CURRENT 3017  // "显示短路电流"
#define IDC_CHK_SHOW_NAME_ON_DRAW 3021  // "显示名称" of "绘制图例或电缆时"

// Entities and actions
#define IDC_BTN_UPDATE_ALL 3019       // "更新标注配置到当前图形"
#define IDC_BTN_APPLY 3022            // "应用", the default button
#define IDC_BTN_PICK 3023             // "选择实体"
#define IDC_BTN_UPDATE_SELECTED 3024  // "更新标注配置到选择实体"
#define IDC_EDIT_SEL_COUNT 3025       // read-only count beside "实体个数:"
// Button 2 (IDCANCEL) "退出" leaves the window.
