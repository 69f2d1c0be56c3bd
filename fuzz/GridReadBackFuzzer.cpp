// libFuzzer target: the configuration grid's text forms read back into a record, as the window
// does for every cell when it stores the grid.  Checked: every size and angle read is finite; a
// label text lands terminated inside its field, cut only between characters (a well-formed text
// stays well formed); what a column shows of the record reads back as the same value (but a zero
// height or width, which the grid shows as "0" and reads back as the default).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "CString.h"
#include "FuzzChecks.h"
#include "NumberText.h"
#include "SymbolLabelConfig.h"

using fuzzcheck::Require;
using fuzzcheck::RequireFinite;
using namespace vjd::annotation;

namespace {

void RequireSafe(const SymbolLabelConfig& r) {
  fuzzcheck::RequireTerminated(r.szSymbolName, kNameFieldSize);
  for (int i = 0; i < kMaxLabelSlots; ++i) {
    fuzzcheck::RequireTerminated(r.szText[i], kNameFieldSize);
    RequireFinite(r.dHeight[i]);
    RequireFinite(r.dWidth[i]);
    RequireFinite(r.dAngle[i]);
  }
}

double ShownAndReadBack(const SymbolLabelConfig& shown, int slot, int column) {
  SymbolLabelConfig read;
  InitRecord(read);
  ReadSlotColumnText(read, slot, column, SlotColumnText(shown, slot, column));
  switch (column) {
    case kColumnHeight:
      return read.dHeight[slot];
    case kColumnWidth:
      return read.dWidth[slot];
    default:
      return read.dAngle[slot];
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzcheck::Fields fields(data, size);
  const int slot = fields.Small(kMaxLabelSlots);
  SymbolLabelConfig record;
  InitRecord(record);
  for (int column = kColumnText; column < kLabelColumnCount; ++column) {
    const std::string cell = fields.Next();
    ReadSlotColumnText(record, slot, column, cell.c_str());
    RequireFinite(ReadReal(cell.c_str(), 0.0));
    (void)ReadInt32(cell.c_str());
    if (column == kColumnText) {
      const std::string stored = record.szText[slot];
      const std::string typed = cell.c_str();  // the cell's text ends at its first zero byte
      Require(typed.compare(0, stored.size(), stored) == 0);
      if (fuzzcheck::WellFormedGbk(typed)) Require(fuzzcheck::WellFormedGbk(stored));
    }
  }
  RequireSafe(record);

  // Values shown by the grid read back unchanged.
  const int columns[] = {kColumnHeight, kColumnWidth, kColumnAngle};
  const double values[] = {record.dHeight[slot], record.dWidth[slot], record.dAngle[slot]};
  for (int k = 0; k < 3; ++k) {
    const double again = ShownAndReadBack(record, slot, columns[k]);
    RequireFinite(again);
    if (values[k] != 0.0 || columns[k] == kColumnAngle) Require(again == values[k]);
  }
  for (int column : {kColumnForeColor, kColumnBackColor, kColumnVisible, kColumnAngleFollows}) {
    SymbolLabelConfig read;
    InitRecord(read);
    ReadSlotColumnText(read, slot, column, SlotColumnText(record, slot, column));
    Require(read.bVisible[slot] == record.bVisible[slot] || column != kColumnVisible);
    Require(read.clrFore[slot] == record.clrFore[slot] || column != kColumnForeColor);
    Require(read.clrBack[slot] == record.clrBack[slot] || column != kColumnBackColor);
    Require(read.bAngleFollows[slot] == record.bAngleFollows[slot] ||
            column != kColumnAngleFollows);
  }

  // A record as the file may hold it: repaired, it is safe whatever its bytes.
  SymbolLabelConfig raw;
  std::memset(&raw, 0, sizeof raw);
  std::memcpy(&raw, data, size < sizeof raw ? size : sizeof raw);
  RepairRecord(raw);
  RequireSafe(raw);
  Require(LabelCount(raw) == raw.nLabelCount);
  return 0;
}
