// The window and control style bits that the templates' checks read, as the Windows headers
// define them (this build has no Windows headers).
#pragma once

#include <cstdint>

namespace vjd::test::style {

constexpr uint32_t kPopup = 0x80000000, kChild = 0x40000000, kVisible = 0x10000000;
constexpr uint32_t kCaption = 0x00C00000, kBorder = 0x00800000, kSysMenu = 0x00080000;
constexpr uint32_t kVScroll = 0x00200000, kGroup = 0x00020000, kTabStop = 0x00010000;
constexpr uint32_t kModalFrame = 0x80, kSetFont = 0x40;  // dialog

constexpr uint32_t kButtonType = 0xF;  // button
constexpr uint32_t kPushButton = 0x0, kDefPushButton = 0x1, kAutoCheckBox = 0x3;
constexpr uint32_t kGroupBox = 0x7, kAutoRadioButton = 0x9, kOwnerDraw = 0xB;
constexpr uint32_t kButtonAlign = 0x300, kButtonLeft = 0x100, kFlat = 0x8000;

constexpr uint32_t kStaticType = 0x1F, kStaticLeft = 0x0, kBlackRect = 0x4, kBitmap = 0xE;
constexpr uint32_t kComboType = 0x3, kDropDownList = 0x3;
constexpr uint32_t kListViewType = 0x3, kReport = 0x1;
constexpr uint32_t kReadOnly = 0x800, kAutoHScroll = 0x80;  // edit

}  // namespace vjd::test::style
