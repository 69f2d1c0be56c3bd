#include "SymbolLabelConfig.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

using namespace vjd::annotation;

namespace {

const char* S(const CString& s) {
  return static_cast<const char*>(s);
}

TEST(SymbolLabelConfigInit, EverySlotStartsFromTheInitialValues) {
  SymbolLabelConfig r;
  std::memset(&r, 0x5A, sizeof r);
  InitRecord(r);
  EXPECT_STREQ(r.szSymbolName, "");
  EXPECT_EQ(r.nLabelCount, 0);
  for (int i = 0; i < kMaxLabelSlots; ++i) {
    EXPECT_STREQ(r.szText[i], "");
    EXPECT_EQ(r.bVisible[i], 0);
    EXPECT_EQ(r.nPosition[i], 0);
    EXPECT_EQ(r.clrFore[i], 0);
    EXPECT_EQ(r.clrBack[i], 0);
    EXPECT_STREQ(r.szFont[i], "宋体");
    EXPECT_EQ(r.dHeight[i], 0.003);
    EXPECT_EQ(r.dWidth[i], 0.0015);
    EXPECT_EQ(r.dAngle[i], 0.0);
    EXPECT_EQ(r.bAngleFollows[i], 1);
  }
  // Bytes beyond every text's end are zero too, so identical records compare equal byte-wise.
  EXPECT_EQ(r.szFont[7][31], 0);
  EXPECT_EQ(r.szText[3][49], 0);
}

TEST(SymbolLabelConfigInit, FieldBytesLieAtTheirFileOffsets) {
  SymbolLabelConfig r;
  InitRecord(r);
  r.nLabelCount = 0x01020304;
  r.clrBack[7] = 0x0A0B0C0D;
  r.dHeight[1] = 2.0;
  const unsigned char* b = reinterpret_cast<const unsigned char*>(&r);
  EXPECT_EQ(b[50], 0x04);  // little-endian int32
  EXPECT_EQ(b[53], 0x01);
  EXPECT_EQ(b[550 + 28], 0x0D);
  double h;
  std::memcpy(&h, b + 838 + 8, sizeof h);
  EXPECT_EQ(h, 2.0);
  EXPECT_EQ(std::memcmp(b + 582, "宋体", 4), 0);
  EXPECT_EQ(b[1030 + 28], 1);
}

TEST(SymbolLabelConfigText, LongTextsAreCutOnACharacterBoundary) {
  SymbolLabelConfig r;
  InitRecord(r);
  std::string chinese;
  for (int i = 0; i < 30; ++i) chinese += "电";  // 60 bytes
  SetSlotText(r, 0, chinese.c_str());
  EXPECT_EQ(std::strlen(r.szText[0]), 48u);  // 24 characters; the 25th would need bytes 49-50
  SetSlotText(r, 1, ("a" + chinese).c_str());
  EXPECT_EQ(std::strlen(r.szText[1]), 49u);  // 'a' and 24 characters fill the field exactly
  SetSlotText(r, 2, ("ab" + chinese).c_str());
  EXPECT_EQ(std::strlen(r.szText[2]), 48u);
  EXPECT_EQ(r.szText[2][48], 0);
  EXPECT_EQ(r.szText[2][49], 0);
  SetSymbolName(r, std::string(80, 'x').c_str());
  EXPECT_EQ(std::strlen(r.szSymbolName), 49u);
  // A lead byte without its second byte at the end of the text is kept as one byte.
  SetSlotText(r, 3, "ab\xB5");
  EXPECT_STREQ(r.szText[3], "ab\xB5");
  SetSlotText(r, 9, "nowhere");  // no ninth slot: nothing written
  SetSlotText(r, -1, "nowhere");
  EXPECT_STREQ(r.szText[7], "");
}

TEST(SymbolLabelConfigText, RepairClampsTheCountAndTerminatesTexts) {
  SymbolLabelConfig r;
  InitRecord(r);
  EXPECT_TRUE(RepairRecord(r));
  r.nLabelCount = 1000;
  std::memset(r.szSymbolName, 'n', sizeof r.szSymbolName);
  std::memset(r.szFont[7], 'f', sizeof r.szFont[7]);
  EXPECT_FALSE(RepairRecord(r));
  EXPECT_EQ(r.nLabelCount, 8);
  EXPECT_EQ(std::strlen(r.szSymbolName), 49u);
  EXPECT_EQ(std::strlen(r.szFont[7]), 31u);
  r.nLabelCount = -7;
  EXPECT_EQ(LabelCount(r), 0);
  RepairRecord(r);
  EXPECT_EQ(r.nLabelCount, 0);
}

TEST(SymbolLabelConfigText, RepairPutsTheDefaultInPlaceOfSizesAndAnglesThatAreNotFinite) {
  const double inf = std::numeric_limits<double>::infinity();
  SymbolLabelConfig r;
  InitRecord(r);
  r.dHeight[0] = inf;
  r.dWidth[3] = -inf;
  r.dAngle[7] = std::numeric_limits<double>::quiet_NaN();
  r.dHeight[1] = 1e308;  // large but finite: kept
  EXPECT_FALSE(RepairRecord(r));
  EXPECT_EQ(r.dHeight[0], 0.003);
  EXPECT_EQ(r.dWidth[3], 0.0015);
  EXPECT_EQ(r.dAngle[7], 0.0);
  EXPECT_EQ(r.dHeight[1], 1e308);
  EXPECT_TRUE(RepairRecord(r)) << "nothing left to repair";
}

TEST(LabelPositions, NamesFollowTheCodesAndOutsideCodesHaveNone) {
  const std::pair<int, const char*> names[] = {
      {0, "右上"},  {9, "右上"},    {3, "下一"},    {12, "下二"}, {8, "中间"}, {17, "上三"},
      {20, "下四"}, {21, "中上一"}, {24, "中下二"}, {-1, ""},     {25, ""},
  };
  for (const auto& [code, name] : names) EXPECT_STREQ(LabelPositionName(code), name) << code;
  for (int code = -1; code <= 25; ++code)
    EXPECT_EQ(IsMiddlePosition(code), code >= 21 && code <= 24) << code;
}

struct DefaultCase {
  const char* name;
  int slots;
  int positions[4];
};

// Every name of the built-in table, with every field of every slot.
TEST(DefaultConfigs, KnownKindsGetTheirSlotsAndOthersNone) {
  const DefaultCase cases[] = {
      {"高压配电箱", 3, {8, 7, 16}}, {"高压开关", 3, {8, 7, 16}}, {"移动变电站", 2, {0, 8}},
      {"矿用变压器", 2, {0, 8}},     {"馈电开关", 3, {8, 7, 16}}, {"启动器", 3, {8, 7, 16}},
      {"电动机", 3, {8, 3, 12}},     {"照明", 3, {8, 3, 12}},     {"信号", 3, {8, 3, 12}},
      {"电钻", 3, {8, 3, 12}},       {"负荷", 3, {8, 3, 12}},     {"短路点", 1, {0}},
      {"综保", 4, {8, 7, 16, 17}},   {"一拖二开关", 2, {8, 7}},   {"一拖四开关", 2, {8, 7}},
      {"一拖六开关", 2, {8, 7}},
  };
  for (const DefaultCase& c : cases) {
    SymbolLabelConfig r;
    ASSERT_EQ(MakeDefaultConfig(c.name, r), c.slots) << c.name;
    EXPECT_STREQ(r.szSymbolName, c.name);
    EXPECT_EQ(r.nLabelCount, c.slots);
    for (int i = 0; i < c.slots; ++i) {
      const char letter[2] = {static_cast<char>('a' + i), 0};
      EXPECT_STREQ(r.szText[i], letter);
      EXPECT_EQ(r.bVisible[i], 1);
      EXPECT_EQ(r.nPosition[i], c.positions[i]) << c.name << " slot " << i;
      EXPECT_EQ(r.dHeight[i], 0.003);
      EXPECT_EQ(r.dWidth[i], 0.0015);
      EXPECT_EQ(r.dAngle[i], 0.0);
      EXPECT_EQ(r.bAngleFollows[i], 1);
      EXPECT_EQ(r.clrFore[i], 0);
      EXPECT_EQ(r.clrBack[i], 0);
      EXPECT_STREQ(r.szFont[i], "宋体");
    }
    EXPECT_STREQ(r.szText[c.slots], "");
  }
  SymbolLabelConfig r;
  EXPECT_EQ(MakeDefaultConfig("高压开关 ", r), 0);  // exact names only
  EXPECT_EQ(r.nLabelCount, 0);
  EXPECT_EQ(MakeDefaultConfig("电动", r), 0);
}

TEST(GridTextForms, SlotsShowInTheirColumnForms) {
  SymbolLabelConfig r;
  MakeDefaultConfig("综保", r);
  r.bVisible[1] = 0;
  r.bAngleFollows[2] = 0;
  r.clrFore[3] = 255;
  r.clrBack[3] = -16777216;
  r.dAngle[3] = 45.5;
  EXPECT_STREQ(S(SlotColumnText(r, 3, kColumnNumber)), "3");
  EXPECT_STREQ(S(SlotColumnText(r, 0, kColumnText)), "a");
  EXPECT_STREQ(S(SlotColumnText(r, 0, kColumnVisible)), "是");
  EXPECT_STREQ(S(SlotColumnText(r, 1, kColumnVisible)), "否");
  EXPECT_STREQ(S(SlotColumnText(r, 3, kColumnPosition)), "上三");
  EXPECT_STREQ(S(SlotColumnText(r, 0, kColumnHeight)), "0.003");
  EXPECT_STREQ(S(SlotColumnText(r, 0, kColumnWidth)), "0.0015");
  EXPECT_STREQ(S(SlotColumnText(r, 2, kColumnAngleFollows)), "否");
  EXPECT_STREQ(S(SlotColumnText(r, 3, kColumnAngle)), "45.5");
  EXPECT_STREQ(S(SlotColumnText(r, 3, kColumnForeColor)), "255");
  EXPECT_STREQ(S(SlotColumnText(r, 3, kColumnBackColor)), "-16777216");
  r.nPosition[0] = 77;
  EXPECT_STREQ(S(SlotColumnText(r, 0, kColumnPosition)), "");
  EXPECT_STREQ(S(SlotColumnText(r, 8, kColumnText)), "");
  EXPECT_STREQ(LabelColumnHeading(6), "角度是否随图例");
  EXPECT_STREQ(LabelColumnHeading(10), "");
}

// How the sizes, the angle, the yes/no and the colour columns read their texts back.
TEST(GridTextForms, ReadingBackAppliesTheSpecialCases) {
  struct RealCase {
    double (*parse)(const char*);
    const char* text;
    double expected;
  };
  const RealCase reals[] = {
      {ParseHeightText, "0", 0.003},  // only the exact "0" is replaced
      {ParseHeightText, "", 0.003},
      {ParseHeightText, "0.0", 0.0},
      {ParseHeightText, "00", 0.0},
      {ParseHeightText, "2.5mm", 2.5},
      {ParseHeightText, "abc", 0.0},
      {ParseHeightText, "nan", 0.0},  // decimal texts only
      {ParseHeightText, "0x10", 0.0},
      {ParseWidthText, "0", 0.0015},
      {ParseWidthText, "", 0.0015},
      {ParseWidthText, "1e-3", 0.001},
      {ParseAngleText, "", 0.0},
      {ParseAngleText, "0", 0.0},
      {ParseAngleText, "-90", -90.0},
      // A real beyond the double range is no value: the column's default.
      {ParseHeightText, "1e400", 0.003},
      {ParseHeightText, "-1e400", 0.003},
      {ParseWidthText, "1e400", 0.0015},
      {ParseAngleText, "-1e999", 0.0},
      {ParseHeightText, "0.004abc", 0.004},  // the leading valid part
      {ParseHeightText, "inf", 0.0},         // no number at all
      {ParseAngleText, "0x1p3", 0.0},
  };
  for (const RealCase& c : reals) EXPECT_EQ(c.parse(c.text), c.expected) << '"' << c.text << '"';
  EXPECT_EQ(ParseYesNo("否"), 0);
  for (const char* yes : {"是", "", "否 "}) EXPECT_EQ(ParseYesNo(yes), 1) << yes;
  const std::pair<const char*, std::int32_t> colours[] = {
      {"", 0},
      {"-16777216", -16777216},
      {"12abc", 12},
      {"99999999999", INT32_MAX},  // a 32-bit long saturates
      {"-99999999999", INT32_MIN},
      {"x1", 0},
  };
  for (const auto& [text, colour] : colours) EXPECT_EQ(ParseColorText(text), colour) << text;
}

TEST(GridTextForms, ARealBeyondTheDoubleRangeIsNoValueAndReadsAsTheColumnsDefault) {
  SymbolLabelConfig r;
  InitRecord(r);
  ReadSlotColumnText(r, 0, kColumnHeight, "1e400");
  ReadSlotColumnText(r, 0, kColumnWidth, "9e999mm");
  ReadSlotColumnText(r, 0, kColumnAngle, "-1e400");
  EXPECT_EQ(r.dHeight[0], 0.003);
  EXPECT_EQ(r.dWidth[0], 0.0015);
  EXPECT_EQ(r.dAngle[0], 0.0);
}

TEST(GridTextForms, RowRoundTripThroughTheColumns) {
  SymbolLabelConfig shown;
  MakeDefaultConfig("电动机", shown);
  shown.bVisible[2] = 0;
  shown.dHeight[2] = 0.0025;
  shown.clrFore[2] = 65280;
  SymbolLabelConfig read;
  InitRecord(read);
  for (int col = 0; col < kLabelColumnCount; ++col)
    ReadSlotColumnText(read, 2, col, S(SlotColumnText(shown, 2, col)));
  SetSlotPosition(read, 2, shown.nPosition[2]);
  EXPECT_STREQ(read.szText[2], "c");
  EXPECT_EQ(read.bVisible[2], 0);
  EXPECT_EQ(read.nPosition[2], 12);
  EXPECT_EQ(read.dHeight[2], 0.0025);
  EXPECT_EQ(read.dWidth[2], 0.0015);
  EXPECT_EQ(read.clrFore[2], 65280);
  EXPECT_EQ(read.bAngleFollows[2], 1);
  ReadSlotColumnText(read, 8, kColumnText, "x");  // outside the slots: nothing written
  SetSlotPosition(read, -1, 3);
  EXPECT_STREQ(read.szText[7], "");
}

}  // namespace
