// Template 3001, the label position window, as compiled: one radio group of 25 buttons whose
// order gives the position codes, their captions, no tab stops on them, push buttons that are
// not default, and the picture of the symbol's outline.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CompiledResources.h"
#include "SignRelaPosIds.h"
#include "Win32Styles.h"

namespace {

using namespace vjd::test;
namespace ws = vjd::test::style;

constexpr int kOk = 1;  // IDOK

bool IsRadio(const DialogItem& item) {
  return ClassName(item.windowClass) == "BUTTON" &&
         (item.style & ws::kButtonType) == ws::kAutoRadioButton;
}

class PositionTemplate : public CompiledResources {
 protected:
  void SetUp() override { LoadDialog("SignRelaPosDlg", IDD_SIGNRELAPOS, t); }
  DialogTemplate t;
};

TEST_F(PositionTemplate, ControlsStandInTheOrderThatGivesTheCodes) {
  EXPECT_EQ(t.caption, u"标注位置");
  std::vector<int> radios;
  std::vector<std::u16string> captions;
  int tabStopRadios = 0;
  const DialogItem* first = nullptr;
  int groupsFromTheFirst = 0;  // items from the first radio on that start a group
  for (const DialogItem& item : t.items) {
    if (IsRadio(item)) {
      radios.push_back(item.id);
      captions.push_back(item.title.text);
      if (item.style & ws::kTabStop) ++tabStopRadios;
      if (!first) first = &item;
    }
    if (first && (item.style & ws::kGroup)) ++groupsFromTheFirst;
    if (item.id == kOk) {
      EXPECT_EQ(item.style & ws::kButtonType, ws::kPushButton) << "OK is not the default";
    }
  }
  EXPECT_EQ(radios, std::vector<int>(kPositionButtonIds, kPositionButtonIds + 25));
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->style & ws::kGroup) << "the first radio starts the group";
  EXPECT_EQ(groupsFromTheFirst, 1) << "and the group runs to the last one";
  EXPECT_EQ(tabStopRadios, 0);
  ASSERT_EQ(captions.size(), 25u);
  EXPECT_EQ(captions[3], u"下");
  EXPECT_EQ(captions[8], u"正中间");
  EXPECT_EQ(captions[9], u"");
  EXPECT_EQ(captions[21], u"中上1");
  EXPECT_EQ(first->x, 195);
  EXPECT_EQ(first->y, 66);
}

TEST_F(PositionTemplate, ThePictureIsTheOutlineBitmapOf149By145) {
  const DialogItem* picture = nullptr;
  for (const DialogItem& item : t.items) {
    if (ClassName(item.windowClass) == "STATIC" && (item.style & ws::kStaticType) == ws::kBitmap)
      picture = &item;
  }
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->title.ordinal, IDB_SIGNRELAPOS);
  const std::vector<uint8_t>* bitmap = file_.Find(kResourceBitmap, IDB_SIGNRELAPOS);
  ASSERT_NE(bitmap, nullptr);
  ASSERT_GE(bitmap->size(), 12u);  // the info header's size, width and height
  auto dword = [&](size_t at) {
    const std::vector<uint8_t>& b = *bitmap;
    return static_cast<int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
                                static_cast<uint32_t>(b[at + 3]) << 24);
  };
  EXPECT_EQ(dword(4), 149);
  EXPECT_EQ(dword(8), 145);
}

}  // namespace
