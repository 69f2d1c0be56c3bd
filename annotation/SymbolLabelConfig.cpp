#include "SymbolLabelConfig.h"

#include <cmath>
#include <cstring>

#include "GbkText.h"
#include "NumberText.h"
#include "VellBase.h"

namespace vjd::annotation {
namespace {

struct DefaultKind {
  const char* name;
  int slots;
  int positions[4];
};

// Tried in this order; the first exact name wins.
const DefaultKind kDefaultKinds[] = {
    {"高压配电箱", 3, {8, 7, 16, 0}}, {"高压开关", 3, {8, 7, 16, 0}},
    {"移动变电站", 2, {0, 8, 0, 0}},  {"矿用变压器", 2, {0, 8, 0, 0}},
    {"馈电开关", 3, {8, 7, 16, 0}},   {"启动器", 3, {8, 7, 16, 0}},
    {"电动机", 3, {8, 3, 12, 0}},     {"照明", 3, {8, 3, 12, 0}},
    {"信号", 3, {8, 3, 12, 0}},       {"电钻", 3, {8, 3, 12, 0}},
    {"负荷", 3, {8, 3, 12, 0}},       {"短路点", 1, {0, 0, 0, 0}},
    {"综保", 4, {8, 7, 16, 17}},      {"一拖二开关", 2, {8, 7, 0, 0}},
    {"一拖四开关", 2, {8, 7, 0, 0}},  {"一拖六开关", 2, {8, 7, 0, 0}},
};

const char* const kPositionNames[kLabelPositionCount] = {
    "右上", "右",   "右下", "下一",   "左下",   "左",     "左上",  "上一", "中间",
    "右上", "右",   "右下", "下二",   "左下",   "左",     "左上",  "上二", "上三",
    "上四", "下三", "下四", "中上一", "中上二", "中下一", "中下二"};

const char* const kColumnHeadings[kLabelColumnCount] = {
    "标注", "标注文本",       "是否显示", "相对位置", "高度",
    "宽度", "角度是否随图例", "角度",     "前景色",   "背景色"};

bool ValidSlot(int slot) {
  return slot >= 0 && slot < kMaxLabelSlots;
}

}  // namespace

void InitRecord(SymbolLabelConfig& record) {
  std::memset(&record, 0, sizeof record);
  for (int i = 0; i < kMaxLabelSlots; ++i) {
    CopyTextField(record.szFont[i], kFontFieldSize, kDefaultFontName);
    record.dHeight[i] = kDefaultLabelHeight;
    record.dWidth[i] = kDefaultLabelWidth;
    record.dAngle[i] = 0.0;
    record.bAngleFollows[i] = 1;
  }
}

bool RepairRecord(SymbolLabelConfig& record) {
  bool intact = true;
  // Sizes and angles are finite wherever they are shown or laid out: a value that is not one is
  // no value, so the field's initial value takes its place.
  // (By value: the packed record's doubles need not be aligned for a reference.)
  auto finite = [&intact](double value, double initial) {
    if (std::isfinite(value)) return value;
    intact = false;
    return initial;
  };
  for (int i = 0; i < kMaxLabelSlots; ++i) {
    record.dHeight[i] = finite(record.dHeight[i], kDefaultLabelHeight);
    record.dWidth[i] = finite(record.dWidth[i], kDefaultLabelWidth);
    record.dAngle[i] = finite(record.dAngle[i], 0.0);
  }
  if (record.nLabelCount < 0 || record.nLabelCount > kMaxLabelSlots) {
    record.nLabelCount = record.nLabelCount < 0 ? 0 : kMaxLabelSlots;
    intact = false;
  }
  // Only a field without terminator changes: the bytes after a text's end stay as they are.
  auto terminate = [&intact](char* field, int size) {
    if (std::memchr(field, 0, static_cast<size_t>(size)) != nullptr) return;
    intact = false;
    field[size - 1] = '\0';
  };
  terminate(record.szSymbolName, kNameFieldSize);
  for (int i = 0; i < kMaxLabelSlots; ++i) {
    terminate(record.szText[i], kNameFieldSize);
    terminate(record.szFont[i], kFontFieldSize);
  }
  return intact;
}

int LabelCount(const SymbolLabelConfig& record) {
  int n = record.nLabelCount;
  return n < 0 ? 0 : (n > kMaxLabelSlots ? kMaxLabelSlots : n);
}

void CopyTextField(char* field, int size, const char* text) {
  if (field != nullptr && size > 0) gbk::CopyToBuffer(field, static_cast<size_t>(size), text);
}

void SetSymbolName(SymbolLabelConfig& record, const char* name) {
  CopyTextField(record.szSymbolName, kNameFieldSize, name);
}

void SetSlotText(SymbolLabelConfig& record, int slot, const char* text) {
  if (ValidSlot(slot)) CopyTextField(record.szText[slot], kNameFieldSize, text);
}

const char* LabelPositionName(int code) {
  return (code >= 0 && code < kLabelPositionCount) ? kPositionNames[code] : "";
}

int MakeDefaultConfig(const char* name, SymbolLabelConfig& record) {
  InitRecord(record);
  SetSymbolName(record, name);
  if (name == nullptr) return 0;
  for (const DefaultKind& kind : kDefaultKinds) {
    if (std::strcmp(kind.name, name) != 0) continue;
    record.nLabelCount = kind.slots;
    for (int i = 0; i < kind.slots; ++i) {
      char text[2] = {static_cast<char>('a' + i), 0};
      SetSlotText(record, i, text);
      record.bVisible[i] = 1;
      record.nPosition[i] = kind.positions[i];
    }
    return kind.slots;
  }
  return 0;
}

const char* LabelColumnHeading(int column) {
  return (column >= 0 && column < kLabelColumnCount) ? kColumnHeadings[column] : "";
}

const char* YesNoText(int flag) {
  return flag != 0 ? "是" : "否";
}

int ParseYesNo(const char* text) {
  return (text != nullptr && std::strcmp(text, "否") == 0) ? 0 : 1;
}

double ParseHeightText(const char* text) {
  if (text == nullptr || text[0] == '\0' || std::strcmp(text, "0") == 0) text = "0.003";
  return ReadReal(text, kDefaultLabelHeight);
}

double ParseWidthText(const char* text) {
  if (text == nullptr || text[0] == '\0' || std::strcmp(text, "0") == 0) text = "0.0015";
  return ReadReal(text, kDefaultLabelWidth);
}

double ParseAngleText(const char* text) {
  if (text == nullptr || text[0] == '\0') text = "0";
  return ReadReal(text, 0.0);
}

std::int32_t ParseColorText(const char* text) {
  return ReadInt32(text);  // an empty text reads as 0
}

CString RealText(double value) {
  char buf[64];
  FormatReal(value, buf, sizeof buf);
  return CString(buf);
}

CString ColorText(std::int32_t color) {
  CString s;
  s.Format("%ld", static_cast<long>(color));
  return s;
}

CString SlotColumnText(const SymbolLabelConfig& record, int slot, int column) {
  if (!ValidSlot(slot)) return CString();
  CString s;
  switch (column) {
    case kColumnNumber:
      s.Format("%d", slot);
      return s;
    case kColumnText: {
      char text[kNameFieldSize + 1] = {};
      std::memcpy(text, record.szText[slot], kNameFieldSize);  // a damaged field may lack its end
      return CString(text);
    }
    case kColumnVisible:
      return CString(YesNoText(record.bVisible[slot]));
    case kColumnPosition:
      return CString(LabelPositionName(record.nPosition[slot]));
    case kColumnHeight:
      return RealText(record.dHeight[slot]);
    case kColumnWidth:
      return RealText(record.dWidth[slot]);
    case kColumnAngleFollows:
      return CString(YesNoText(record.bAngleFollows[slot]));
    case kColumnAngle:
      return RealText(record.dAngle[slot]);
    case kColumnForeColor:
      return ColorText(record.clrFore[slot]);
    case kColumnBackColor:
      return ColorText(record.clrBack[slot]);
    default:
      return CString();
  }
}

void ReadSlotColumnText(SymbolLabelConfig& record, int slot, int column, const char* text) {
  if (!ValidSlot(slot)) return;
  switch (column) {
    case kColumnText:
      SetSlotText(record, slot, text);
      break;
    case kColumnVisible:
      record.bVisible[slot] = ParseYesNo(text);
      break;
    case kColumnHeight:
      record.dHeight[slot] = ParseHeightText(text);
      break;
    case kColumnWidth:
      record.dWidth[slot] = ParseWidthText(text);
      break;
    case kColumnAngleFollows:
      record.bAngleFollows[slot] = ParseYesNo(text);
      break;
    case kColumnAngle:
      record.dAngle[slot] = ParseAngleText(text);
      break;
    case kColumnForeColor:
      record.clrFore[slot] = ParseColorText(text);
      break;
    case kColumnBackColor:
      record.clrBack[slot] = ParseColorText(text);
      break;
    default:  // the number is the row itself; the position comes from the row's code
      break;
  }
}

void SetSlotPosition(SymbolLabelConfig& record, int slot, int code) {
  if (ValidSlot(slot)) record.nPosition[slot] = code;
}

}  // namespace vjd::annotation
