// The JSON form of configuration records, in UTF-8:
//
//   {"kinds": [{"kind": "电动机", "count": 1, "slots": [
//       {"text": "a", "visible": true, "position": 8, "height": 0.003, "width": 0.0015,
//        "angle_follows": true, "angle": 0.0, "fore_color": 0, "back_color": 255, "font":
//        "宋体"}]}]}
//
// One object per record with the kind's name, the label count and the slots in use (exactly
// `count` of them), each with every field of its slot in the order of the grid's columns: the
// position is the code 0..24, colours are the signed 32-bit COLORREF values (0x00BBGGRR), sizes
// and the angle are written so that they read back to the same double bit for bit (-0.0 too,
// also when written as the integer -0, as jq writes it).  "font" is what the record holds; a
// record written by the configuration window holds "宋体" in every slot.
#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "SymbolLabelConfig.h"

namespace vjdcfg {

using Json = nlohmann::ordered_json;

// The faults found in a document, each naming where it is: the first kShownFaults in full, the
// others only counted, so a document of a million faults cannot flood the screen or the memory.
class DocumentFaults {
 public:
  static constexpr std::size_t kShownFaults = 100;
  void Add(std::string fault);
  bool Any() const { return !shown_.empty(); }
  const std::vector<std::string>& Shown() const { return shown_; }
  std::size_t NotShown() const { return not_shown_; }

 private:
  std::vector<std::string> shown_;
  std::size_t not_shown_ = 0;
};

// `value` on one line as a dump shows it ({"a": 1, "b": 2} for an object); a text that is no UTF-8
// shows U+FFFD where it cannot be read.
std::string Dumped(const Json& value);
std::string OneLine(const Json& object);

// `text` quoted as a JSON string, cut after at most 49 bytes (what fits a record's name) at a
// character boundary and marked "..." when it was longer: for messages.
std::string QuotedShort(const std::string& text);

// The object of one record as the configuration window reads it (RepairRecord applied: the count
// clamped into 0..8, every text ending inside its field, a size or angle that is not finite shown
// as its initial value).  A text that is no GBK shows U+FFFD for what cannot be converted.
Json RecordToJson(const vjd::annotation::SymbolLabelConfig& record);

// The document {"kinds": [...]}, indented, one slot per line, ending with a line break.
std::string FormatDocument(const std::vector<Json>& kinds);

// True when `text` begins with the byte order mark of UTF-16 or UTF-32 (as a text editor saves
// "Unicode"): a document, though it holds zero bytes, and not one in UTF-8.
bool HasWideByteOrderMark(const std::string& text);

// Parses `text`.  False on a syntax error, which is added to `faults` (nlohmann's message, cut),
// and for a text in UTF-16 or UTF-32, or that is no UTF-8 at all, which is said in plain words.
// A key given twice in one object is added to `faults` too, with where it is, and the document is
// still read, so that its other faults can be listed with it.
bool ParseDocument(const std::string& text, Json& document, DocumentFaults& faults);

// The records a document describes, each built as the configuration window builds the record it
// stores: InitRecord, the name, the count, the fields of the slots given; the slots beyond the
// count keep their initial values.  "font" may be left out; when given it must be "宋体", the only
// font a record is stored with.  Every fault of the document is added to `faults`, naming the
// kind, the slot and the field: a missing or unknown field, a wrong type, a name or text that
// cannot be written in GBK, does not fit its 50-byte field or holds a control character, an empty
// name, a count outside 0..8 or other than the number of slots, a position outside 0..24, a size
// or angle that is not finite, a colour outside 32 bits, a kind given twice.  Returns false when
// there is any.
bool RecordsFromDocument(const Json& document,
                         std::vector<vjd::annotation::SymbolLabelConfig>& records,
                         DocumentFaults& faults);

}  // namespace vjdcfg
