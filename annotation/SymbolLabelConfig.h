// SymbolLabelConfig: the label configuration of one symbol kind - up to eight label slots with
// their text, visibility, position, size, angle and colours - as one packed 1062-byte record,
// identical in memory and in the configuration file, and read by VellJDBase when it lays labels
// out.  The record is plain data owned by whoever holds it.  Beside it: the label position codes
// and their names, the built-in defaults of the known symbol kinds, and the text form in which
// the configuration grid shows each field and reads it back.
#pragma once

#include <cstddef>
#include <cstdint>

#include "CString.h"

namespace vjd::annotation {

inline constexpr int kMaxLabelSlots = 8;
inline constexpr int kNameFieldSize = 50;  // szSymbolName and each szText: 49 bytes + terminator
inline constexpr int kFontFieldSize = 32;
inline constexpr double kDefaultLabelHeight = 0.003;
inline constexpr double kDefaultLabelWidth = 0.0015;
inline constexpr char kDefaultFontName[] = "宋体";

#pragma pack(push, 1)
struct SymbolLabelConfig {
  char szSymbolName[kNameFieldSize];
  std::int32_t nLabelCount;
  char szText[kMaxLabelSlots][kNameFieldSize];
  std::int32_t bVisible[kMaxLabelSlots];
  std::int32_t nPosition[kMaxLabelSlots];
  std::int32_t clrFore[kMaxLabelSlots];  // COLORREF 0x00BBGGRR
  std::int32_t clrBack[kMaxLabelSlots];
  char szFont[kMaxLabelSlots][kFontFieldSize];
  double dHeight[kMaxLabelSlots];
  double dWidth[kMaxLabelSlots];
  double dAngle[kMaxLabelSlots];
  std::int32_t bAngleFollows[kMaxLabelSlots];
};
#pragma pack(pop)

// The layout is a file format and an interface with VellJDBase: every offset is fixed.
inline constexpr std::size_t kRecordSize = 1062;
inline constexpr std::size_t kOffsetSymbolName = 0;
inline constexpr std::size_t kOffsetLabelCount = 50;
inline constexpr std::size_t kOffsetText = 54;
inline constexpr std::size_t kOffsetVisible = 454;
inline constexpr std::size_t kOffsetPosition = 486;
inline constexpr std::size_t kOffsetForeColor = 518;
inline constexpr std::size_t kOffsetBackColor = 550;
inline constexpr std::size_t kOffsetFont = 582;
inline constexpr std::size_t kOffsetHeight = 838;
inline constexpr std::size_t kOffsetWidth = 902;
inline constexpr std::size_t kOffsetAngle = 966;
inline constexpr std::size_t kOffsetAngleFollows = 1030;

static_assert(sizeof(SymbolLabelConfig) == kRecordSize, "record size");
static_assert(offsetof(SymbolLabelConfig, szSymbolName) == kOffsetSymbolName, "szSymbolName");
static_assert(offsetof(SymbolLabelConfig, nLabelCount) == kOffsetLabelCount, "nLabelCount");
static_assert(offsetof(SymbolLabelConfig, szText) == kOffsetText, "szText");
static_assert(offsetof(SymbolLabelConfig, bVisible) == kOffsetVisible, "bVisible");
static_assert(offsetof(SymbolLabelConfig, nPosition) == kOffsetPosition, "nPosition");
static_assert(offsetof(SymbolLabelConfig, clrFore) == kOffsetForeColor, "clrFore");
static_assert(offsetof(SymbolLabelConfig, clrBack) == kOffsetBackColor, "clrBack");
static_assert(offsetof(SymbolLabelConfig, szFont) == kOffsetFont, "szFont");
static_assert(offsetof(SymbolLabelConfig, dHeight) == kOffsetHeight, "dHeight");
static_assert(offsetof(SymbolLabelConfig, dWidth) == kOffsetWidth, "dWidth");
static_assert(offsetof(SymbolLabelConfig, dAngle) == kOffsetAngle, "dAngle");
static_assert(offsetof(SymbolLabelConfig, bAngleFollows) == kOffsetAngleFollows, "bAngleFollows");
static_assert(sizeof(double) == 8 && sizeof(float) == 4, "IEEE-754 reals");

// Every field to its initial value: empty texts, counts, flags, positions and colours 0, "宋体"
// in every font slot, height 0.003, width 0.0015, angle 0, angle follows 1 - in all eight slots.
void InitRecord(SymbolLabelConfig& record);

// Makes a record read from outside safe to use: the label count clamped into 0..8, every text
// field without terminator terminated in its last byte, and every height, width and angle that is
// not finite (NaN or an infinity), in all eight slots, replaced by its initial value.  Nothing else
// changes.  Returns false when something had to be repaired.
bool RepairRecord(SymbolLabelConfig& record);

// The label count clamped into 0..8.
int LabelCount(const SymbolLabelConfig& record);

// Copies `text` into a fixed text field of `size` bytes: at most size - 1 bytes, cut before a
// double-byte GBK character that would not fit whole, always terminated.
void CopyTextField(char* field, int size, const char* text);
void SetSymbolName(SymbolLabelConfig& record, const char* name);
void SetSlotText(SymbolLabelConfig& record, int slot, const char* text);

// ---- Label positions ------------------------------------------------------------------------
inline constexpr int kLabelPositionCount = 25;  // codes 0..24
inline constexpr int kNoLabelPosition = -1;

// The display name of a code, "" for a code outside 0..24.
const char* LabelPositionName(int code);
// Codes 21..24: the middle positions, for which the window computes the label's anchor itself.
inline constexpr int kFirstMiddlePosition = 21;
inline constexpr int kLastMiddlePosition = 24;
inline bool IsMiddlePosition(int code) {
  return code >= kFirstMiddlePosition && code <= kLastMiddlePosition;
}

// ---- Built-in defaults ----------------------------------------------------------------------
// Fills `record` with the built-in configuration of the symbol kind `name` (InitRecord, the name,
// and the kind's slots) and returns the number of slots; 0 for a kind without a default.
int MakeDefaultConfig(const char* name, SymbolLabelConfig& record);

// ---- Text form of a slot in the configuration grid ------------------------------------------
enum LabelColumn {
  kColumnNumber = 0,
  kColumnText,
  kColumnVisible,
  kColumnPosition,
  kColumnHeight,
  kColumnWidth,
  kColumnAngleFollows,
  kColumnAngle,
  kColumnForeColor,
  kColumnBackColor,
  kLabelColumnCount
};

// The column heading ("标注", "标注文本", ...); "" outside the columns.
const char* LabelColumnHeading(int column);

// The text that `column` shows for `slot` (0..7).  Reals go through VellBase's FormatReal.
CString SlotColumnText(const SymbolLabelConfig& record, int slot, int column);

// Reads `text` of `column` back into `slot`.  The number and position columns are not read
// from text (the position comes from the code attached to the row: SetSlotPosition).
void ReadSlotColumnText(SymbolLabelConfig& record, int slot, int column, const char* text);
void SetSlotPosition(SymbolLabelConfig& record, int slot, int code);

// The conversions themselves, for the grid's editors.  Reals are read by ReadReal (NumberText.h):
// the leading decimal real, 0.0 when there is none; a value beyond the double range counts as no
// value, which is the column's default (0.003, 0.0015, 0).
const char* YesNoText(int flag);                // "是" / "否"
int ParseYesNo(const char* text);               // "否" -> 0, anything else 1
double ParseHeightText(const char* text);       // "" or "0" -> 0.003, else the leading real
double ParseWidthText(const char* text);        // "" or "0" -> 0.0015, else the leading real
double ParseAngleText(const char* text);        // "" -> 0, else the leading real
std::int32_t ParseColorText(const char* text);  // "" -> 0, else the leading long, in 32 bits
CString RealText(double value);                 // FormatReal
CString ColorText(std::int32_t color);          // "%ld"

}  // namespace vjd::annotation
