// Template 3000, the configuration window, as compiled: caption, style, size, font, and its 31
// items in tab order with ids, classes, captions, places and styles; the tab stops follow the
// layout.
#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "CompiledResources.h"
#include "DlgParaSetIds.h"
#include "Win32Styles.h"

namespace {

using namespace vjd::test;
namespace ws = vjd::test::style;

constexpr int kCancel = 2;  // IDCANCEL

// What an item must be: the style bits that make it that kind, as a mask and the bits wanted
// under it.
struct Kind {
  uint32_t mask, bits;
};
constexpr Kind kText = {ws::kStaticType, ws::kStaticLeft};
constexpr Kind kBlackRect = {ws::kStaticType, ws::kBlackRect};
constexpr Kind kCombo = {ws::kComboType | ws::kVScroll, ws::kDropDownList | ws::kVScroll};
constexpr Kind kGroup = {ws::kButtonType, ws::kGroupBox};
constexpr Kind kPush = {ws::kButtonType, ws::kPushButton};
constexpr Kind kDefPush = {ws::kButtonType, ws::kDefPushButton};
constexpr Kind kOwnerDraw = {ws::kButtonType | ws::kButtonAlign, ws::kOwnerDraw | ws::kButtonLeft};
constexpr Kind kCheck = {ws::kButtonType | ws::kFlat, ws::kAutoCheckBox};
constexpr Kind kFlatCheck = {ws::kButtonType | ws::kFlat, ws::kAutoCheckBox | ws::kFlat};
constexpr Kind kReportList = {ws::kListViewType | ws::kBorder, ws::kReport | ws::kBorder};
constexpr Kind kReadOnlyEdit = {ws::kReadOnly | ws::kBorder | ws::kAutoHScroll,
                                ws::kReadOnly | ws::kBorder | ws::kAutoHScroll};

struct Expected {
  int id;
  const char* cls;
  const char16_t* caption;
  short x, y, cx, cy;
  Kind kind;
};

const Expected kItems[31] = {
    {IDC_STATIC, "STATIC", u"机电符号", 22, 10, 44, 8, kText},
    {3000, "COMBOBOX", u"", 23, 20, 93, 84, kCombo},
    {3002, "COMBOBOX", u"", 23, 41, 93, 134, kCombo},
    {IDC_STATIC, "BUTTON", u"预览", 19, 59, 98, 115, kGroup},
    {3001, "STATIC", u"", 25, 70, 86, 96, kBlackRect},
    {IDC_STATIC, "BUTTON", u"标注配置", 123, 18, 426, 156, kGroup},
    {3003, "BUTTON", u"", 130, 31, 409, 15, kOwnerDraw},
    {3004, "SYSLISTVIEW32", u"List1", 130, 48, 409, 121, kReportList},
    {IDC_STATIC, "BUTTON", u"", 10, 181, 413, 101, kGroup},
    {IDC_STATIC, "BUTTON", u"绘制图例或电缆时", 13, 194, 77, 37, kGroup},
    {3021, "BUTTON", u"显示名称", 32, 211, 54, 12, kCheck},
    {IDC_STATIC, "BUTTON", u"电动机标注", 96, 194, 98, 68, kGroup},
    {3012, "BUTTON", u"配置标注", 101, 209, 57, 13, kCheck},
    {3008, "BUTTON", u"显示电机型号", 117, 231, 70, 10, kFlatCheck},
    {3009, "BUTTON", u"显示电机名称", 117, 245, 70, 10, kFlatCheck},
    {IDC_STATIC, "BUTTON", u"电缆标注", 200, 194, 99, 68, kGroup},
    {3015, "BUTTON", u"配置标注", 205, 209, 57, 13, kCheck},
    {3006, "BUTTON", u"显示电缆标注", 228, 224, 68, 10, kFlatCheck},
    {3011, "BUTTON", u"显示一行标注", 228, 238, 68, 10, kFlatCheck},
    {3007, "BUTTON", u"显示电缆名称", 228, 250, 68, 10, kFlatCheck},
    {IDC_STATIC, "BUTTON", u"短路点标注", 310, 194, 99, 68, kGroup},
    {3016, "BUTTON", u"配置标注", 313, 209, 57, 13, kCheck},
    {3014, "BUTTON", u"显示短路点名称", 332, 229, 72, 10, kFlatCheck},
    {3017, "BUTTON", u"显示短路电流", 332, 246, 64, 10, kFlatCheck},
    {IDC_BTN_APPLY, "BUTTON", u"应用", 356, 264, 50, 14, kDefPush},
    {3023, "BUTTON", u"选择实体", 436, 188, 42, 14, kPush},
    {IDC_STATIC, "STATIC", u"实体个数:", 481, 190, 37, 9, kText},
    {3025, "EDIT", u"", 519, 188, 23, 14, kReadOnlyEdit},
    {3024, "BUTTON", u"更新标注配置到选择实体", 436, 213, 107, 14, kPush},
    {3019, "BUTTON", u"更新标注配置到当前图形", 436, 234, 107, 14, kPush},
    {kCancel, "BUTTON", u"退出", 485, 264, 50, 14, kPush},
};

// A visible child of the kind.
::testing::AssertionResult HasKind(uint32_t style, Kind kind) {
  const uint32_t child = ws::kVisible | ws::kChild;
  if ((style & (kind.mask | child)) == (kind.bits | child)) return ::testing::AssertionSuccess();
  char hex[16];
  std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(style));
  return ::testing::AssertionFailure() << "style 0x" << hex;
}

class ParaSetTemplate : public CompiledResources {
 protected:
  void SetUp() override { LoadDialog("DlgParaSet", IDD_PARASET, t); }
  DialogTemplate t;
};

TEST_F(ParaSetTemplate, TheDialogIsACaptionedPopUpOf562By287InSongTi9) {
  EXPECT_EQ(u"标注配置", t.caption);
  EXPECT_EQ(u"宋体", t.face);
  EXPECT_EQ(9, t.pointSize);
  EXPECT_EQ(562, t.cx);
  EXPECT_EQ(287, t.cy);
  const uint32_t needed = ws::kPopup | ws::kCaption | ws::kSysMenu | ws::kModalFrame;
  EXPECT_EQ(needed, t.style & needed);
  EXPECT_FALSE(t.style & ws::kVisible) << "the command shows the window itself";
  EXPECT_FALSE(t.style & ws::kChild);
}

TEST_F(ParaSetTemplate, Its31ItemsAreInTabOrderWithTheirIdsClassesCaptionsPlacesAndStyles) {
  ASSERT_EQ(31u, t.items.size());
  for (size_t i = 0; i < 31; ++i) {
    const Expected& e = kItems[i];
    const DialogItem& item = t.items[i];
    SCOPED_TRACE("item " + std::to_string(i + 1) + ", id " + std::to_string(e.id));
    EXPECT_EQ(e.id, item.id);
    EXPECT_EQ(e.cls, ClassName(item.windowClass));
    EXPECT_EQ(-1, item.title.ordinal);
    EXPECT_EQ(e.caption, item.title.text);
    EXPECT_EQ(e.x, item.x);
    EXPECT_EQ(e.y, item.y);
    EXPECT_EQ(e.cx, item.cx);
    EXPECT_EQ(e.cy, item.cy);
    EXPECT_TRUE(HasKind(item.style, e.kind));
  }
}

// Tab walks the window as it is laid out: the two symbol lists, the grid (the bar above it is no
// stop), the option groups left to right and top to bottom in each, "应用" below them, the
// column of buttons on the right, "退出" last.
TEST_F(ParaSetTemplate, TabStopsFollowTheLayoutAndTheGridIsOneTabFromTheSymbolList) {
  // clang-format off
  const int kTabOrder[] = {
      IDC_CB_CATEGORY, IDC_CB_SYMBOL, IDC_GRID,
      IDC_CHK_SHOW_NAME_ON_DRAW,
      IDC_CHK_CONFIG_MOTOR, IDC_CHK_SHOW_MOTOR_MODEL, IDC_CHK_SHOW_MOTOR_NAME,
      IDC_CHK_CONFIG_CABLE, IDC_CHK_SHOW_CABLE_LABEL, IDC_CHK_ONE_LINE, IDC_CHK_SHOW_CABLE_NAME,
      IDC_CHK_CONFIG_SHORT, IDC_CHK_SHOW_SHORT_NAME, IDC_CHK_SHOW_SHORT_CURRENT,
      IDC_BTN_APPLY,
      IDC_BTN_PICK, IDC_EDIT_SEL_COUNT, IDC_BTN_UPDATE_SELECTED, IDC_BTN_UPDATE_ALL,
      kCancel};
  // clang-format on
  std::vector<int> stops;
  for (const DialogItem& item : t.items)
    if (item.style & ws::kTabStop) stops.push_back(item.id);
  EXPECT_EQ(stops, std::vector<int>(std::begin(kTabOrder), std::end(kTabOrder)));
}

}  // namespace
