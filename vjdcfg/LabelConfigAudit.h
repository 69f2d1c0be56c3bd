// The configuration file as it lies on disk, for tools that inspect and mend it: every whole record
// exactly as stored (not repaired, unlike what LabelConfigFile hands out) and the trailing bytes
// that make no whole record; what is wrong with it; and a clean copy of it.
//
// A clean file is one the configuration window could have written: one record per kind, counts in
// 0..8, every text field terminated inside its field, names not empty, names and the texts of
// slots in use GBK without control characters, "宋体" in the font of every slot in use,
// positions in 0..24 and finite sizes and angles in every slot in use, no trailing bytes.  Slots
// at and beyond the count carry no meaning; only their text fields must be terminated.
//
// Whether a text is GBK depends on the character tables of the platform's converter, so the caller
// hands in a TextMender: it returns the text with every character that cannot be converted
// replaced by '?' (never longer than the text), and the text itself when it is fine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "SymbolLabelConfig.h"

namespace vjd::annotation {

struct LabelConfigImage {
  std::vector<SymbolLabelConfig> records;  // whole records, in file order, as stored
  std::string trailing;                    // the bytes after the last whole record (< 1062)
};

// The image of a file's contents, and the contents of an image.
LabelConfigImage ImageOfBytes(const std::string& bytes);
std::string BytesOfImage(const LabelConfigImage& image);

// The records lookups find, as indexes into `records` in file order: for each kind the first whole
// record whose name is terminated inside its field (a name without terminator is never found).
std::vector<std::size_t> RecordsFound(const std::vector<SymbolLabelConfig>& records);

using TextMender = std::function<std::string(const std::string& text)>;

enum class LabelConfigFault {
  kTrailingBytes,       // `value` bytes after the last whole record (`record` = whole records)
  kDuplicateKind,       // the kind has an earlier record: `value` is the one lookups use
  kMendedNameTaken,     // mended, the name is that of another record (`value`), which is kept
  kCountOutOfRange,     // nLabelCount (`value`) outside 0..8
  kNameUnterminated,    // szSymbolName has no terminator inside its field
  kTextUnterminated,    // szText[slot] has none (any of the eight slots)
  kFontUnterminated,    // szFont[slot] has none (any of the eight slots)
  kNameNotGbk,          // szSymbolName holds bytes that are no GBK text
  kNameControl,         // szSymbolName holds a control character (below 0x20, or 0x7F)
  kNameEmpty,           // szSymbolName is empty
  kTextNotGbk,          // szText[slot] of a slot in use holds bytes that are no GBK text
  kTextControl,         // szText[slot] of a slot in use holds a control character
  kFontNotDefault,      // szFont[slot] of a slot in use is not "宋体"
  kPositionOutOfRange,  // nPosition[slot] (`value`) of a slot in use outside 0..24
  kHeightNotFinite,     // dHeight[slot] of a slot in use is infinite or not a number
  kWidthNotFinite,
  kAngleNotFinite,
};

struct LabelConfigFinding {
  LabelConfigFault fault;
  std::size_t record;  // index of the record in the file
  int slot;            // -1 for a finding about the record or the file
  long long value;     // see LabelConfigFault; 0 where it says nothing
};

// Everything wrong with `image`, ordered by record and then by slot; the trailing bytes last.
// Two records are of the same kind when their terminated names are equal byte for byte (a name
// without terminator never matches a lookup).
std::vector<LabelConfigFinding> AuditLabelConfig(const LabelConfigImage& image,
                                                 const TextMender& mend);

// A clean copy of `image` that mends exactly what AuditLabelConfig reports and nothing else:
// fields without terminator terminated in their last byte, counts clamped into 0..8, characters
// that are no GBK and control characters replaced by '?', fonts of the slots in use set to
// "宋体", positions outside 0..24 and sizes and angles that are not finite in the slots in use set
// to their initial values; then only one record of each kind kept, the kind being the mended name
// (the first record whose name needed no mending, the one lookups find, else the first of the
// kind), records without a name dropped (nothing looks them up), no trailing bytes.  Every other
// byte stays as it was, so a clean image comes back byte for byte, and AuditLabelConfig finds
// nothing in the result.
LabelConfigImage RepairLabelConfig(const LabelConfigImage& image, const TextMender& mend);

}  // namespace vjd::annotation
