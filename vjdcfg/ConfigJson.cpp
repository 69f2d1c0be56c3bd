#include "ConfigJson.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <unordered_map>

#include "GbkConverter.h"
#include "GbkText.h"

using namespace vjd::annotation;

namespace vjdcfg {
namespace {

const char* const kDocumentFields[] = {"kinds"};
const char* const kKindFields[] = {"kind", "count", "slots"};
const char* const kSlotFields[] = {"text",          "visible", "position",   "height",     "width",
                                   "angle_follows", "angle",   "fore_color", "back_color", "font"};

// The value of a field of the packed record, copied: the record's fields are not aligned for a
// reference of their type.
template <typename T>
T Value(T field) {
  return field;
}

std::string FieldShown(const char* field, int size) {
  return GbkToUtf8Shown(gbk::FromBuffer(field, static_cast<std::size_t>(size)));
}

// `text` cut to at most `most` bytes at a UTF-8 character boundary.
std::string CutUtf8(const std::string& text, std::size_t most) {
  if (text.size() <= most) return text;
  std::size_t cut = most;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return text.substr(0, cut);
}

// The first control character of a UTF-8 text (a byte below 0x20, or DEL), or -1 when none.
int ControlCharacter(const std::string& utf8) {
  for (char c : utf8) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) return u;
  }
  return -1;
}

// Every byte of `text` belongs to a well-formed UTF-8 character (no overlong form, no surrogate,
// nothing beyond U+10FFFF).
bool IsUtf8(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char b = static_cast<unsigned char>(text[i]);
    std::size_t more;
    unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
    if (b < 0x80) {
      more = 0;
    } else if (b >= 0xC2 && b <= 0xDF) {
      more = 1;
    } else if (b >= 0xE0 && b <= 0xEF) {
      more = 2;
      if (b == 0xE0) low = 0xA0;
      if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      more = 3;
      if (b == 0xF0) low = 0x90;
      if (b == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (text.size() - i - 1 < more) return false;
    for (std::size_t k = 1; k <= more; ++k) {
      const unsigned char c = static_cast<unsigned char>(text[i + k]);
      if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) return false;
    }
    i += more + 1;
  }
  return true;
}

// Collects the faults of a document; each names where it is.
class Checker {
 public:
  explicit Checker(DocumentFaults& faults) : faults_(faults) {}

  void Fail(const std::string& where, const std::string& what) { faults_.Add(where + what); }
  bool Failed() const { return faults_.Any(); }

  // Every member of `object` must be one of `known`.
  template <std::size_t N>
  void OnlyKnown(const Json& object, const char* const (&known)[N], const std::string& where) {
    for (const auto& item : object.items()) {
      bool found = false;
      for (const char* name : known) found = found || item.key() == name;
      if (!found) Fail(where, "unknown field " + QuotedShort(item.key()));
    }
  }

  // The member `name` of `object`; null (and a fault) when it is missing.
  const Json* Member(const Json& object, const char* name, const std::string& where) {
    auto it = object.find(name);
    if (it == object.end()) {
      Fail(where, Field(name) + "missing");
      return nullptr;
    }
    return &*it;
  }

  static std::string Field(const char* name) { return std::string("field \"") + name + "\": "; }

  // A text without control characters that fits a field of `size` bytes in GBK, converted.
  bool Text(const Json& object, const char* name, int size, const std::string& where,
            std::string& gbk) {
    const Json* value = Member(object, name, where);
    if (value == nullptr) return false;
    if (!value->is_string()) return WrongType(where, name, "a string");
    const std::string& utf8 = value->get_ref<const std::string&>();
    const int control = ControlCharacter(utf8);
    if (control == 0) {
      Fail(where, Field(name) + "contains a zero character");
      return false;
    }
    if (control > 0) {
      char code[16];
      std::snprintf(code, sizeof code, "U+%04X", control);
      Fail(where, Field(name) + "contains the control character " + code);
      return false;
    }
    if (!Utf8ToGbk(utf8, gbk)) {
      Fail(where, Field(name) + "cannot be written in GBK");
      return false;
    }
    if (gbk.size() > static_cast<std::size_t>(size - 1)) {
      Fail(where, Field(name) + "is " + std::to_string(gbk.size()) + " bytes in GBK; at most " +
                      std::to_string(size - 1) + " fit");
      return false;
    }
    return true;
  }

  bool Flag(const Json& object, const char* name, const std::string& where, std::int32_t& out) {
    const Json* value = Member(object, name, where);
    if (value == nullptr) return false;
    if (!value->is_boolean()) return WrongType(where, name, "true or false");
    out = value->get<bool>() ? 1 : 0;
    return true;
  }

  bool Integer(const Json& object, const char* name, long long low, long long high,
               const std::string& where, long long& out) {
    const Json* value = Member(object, name, where);
    if (value == nullptr) return false;
    if (!value->is_number_integer()) return WrongType(where, name, "a whole number");
    bool in_range;
    if (value->is_number_unsigned()) {
      std::uint64_t u = value->get<std::uint64_t>();
      in_range = high >= 0 && u <= static_cast<std::uint64_t>(high);
      out = in_range ? static_cast<long long>(u) : 0;
    } else {
      out = value->get<long long>();
      in_range = out >= low && out <= high;
    }
    if (!in_range) {
      Fail(where, Field(name) + Dumped(*value) + " is outside " + std::to_string(low) + ".." +
                      std::to_string(high));
    }
    return in_range;
  }

  bool Real(const Json& object, const char* name, const std::string& where, double& out) {
    const Json* value = Member(object, name, where);
    if (value == nullptr) return false;
    if (!value->is_number()) return WrongType(where, name, "a number");
    // The parser reads a number with a minus sign as a signed integer and any other whole number
    // as an unsigned one: a signed 0 was written "-0", which is -0.0.
    if (value->is_number_integer() && !value->is_number_unsigned() &&
        value->get<long long>() == 0) {
      out = -0.0;
      return true;
    }
    out = value->get<double>();
    if (!std::isfinite(out)) {
      Fail(where, Field(name) + "is not a finite number");
      return false;
    }
    return true;
  }

 private:
  bool WrongType(const std::string& where, const char* name, const char* wanted) {
    Fail(where, Field(name) + "must be " + wanted);
    return false;
  }

  DocumentFaults& faults_;
};

// The fields of a slot go through local values into the record: a reference to a field of the
// packed record would be misaligned.
void ReadSlot(Checker& check, const Json& slot, const std::string& where, SymbolLabelConfig& r,
              int i) {
  if (!slot.is_object()) {
    check.Fail(where, "must be an object");
    return;
  }
  check.OnlyKnown(slot, kSlotFields, where);
  std::string text;
  if (check.Text(slot, "text", kNameFieldSize, where, text)) SetSlotText(r, i, text.c_str());
  std::int32_t flag = 0;
  if (check.Flag(slot, "visible", where, flag)) r.bVisible[i] = flag;
  long long number = 0;
  if (check.Integer(slot, "position", 0, kLabelPositionCount - 1, where, number)) {
    SetSlotPosition(r, i, static_cast<int>(number));
  }
  double real = 0.0;
  if (check.Real(slot, "height", where, real)) r.dHeight[i] = real;
  if (check.Real(slot, "width", where, real)) r.dWidth[i] = real;
  if (check.Flag(slot, "angle_follows", where, flag)) r.bAngleFollows[i] = flag;
  if (check.Real(slot, "angle", where, real)) r.dAngle[i] = real;
  if (check.Integer(slot, "fore_color", INT32_MIN, INT32_MAX, where, number)) {
    r.clrFore[i] = static_cast<std::int32_t>(number);
  }
  if (check.Integer(slot, "back_color", INT32_MIN, INT32_MAX, where, number)) {
    r.clrBack[i] = static_cast<std::int32_t>(number);
  }
  if (slot.contains("font")) {
    std::string font;
    if (check.Text(slot, "font", kFontFieldSize, where, font) && font != kDefaultFontName) {
      check.Fail(where, Checker::Field("font") + "every record is stored with \"" +
                            GbkToUtf8Shown(kDefaultFontName) + "\"");
    }
  }
}

// Builds the document as nlohmann's own parser does (the last value of a key given twice wins),
// and keeps, for messages, where it is: the element each open array or object is reading.  A key
// given twice in one object is a fault.  Each event costs the same whatever came before it, so a
// document is read in time linear in its length: the library's callback parser searches the whole
// parent array at the end of every object, which made 100,000 kinds cost 5*10^9 steps.
class DocumentBuilder {
 public:
  DocumentBuilder(Json& root, DocumentFaults& faults) : root_(root), faults_(faults) {}

  bool null() { return Put(Json(nullptr)); }
  bool boolean(bool value) { return Put(Json(value)); }
  bool number_integer(Json::number_integer_t value) { return Put(Json(value)); }
  bool number_unsigned(Json::number_unsigned_t value) { return Put(Json(value)); }
  bool number_float(Json::number_float_t value, const std::string&) { return Put(Json(value)); }
  bool string(std::string& value) { return Put(Json(std::move(value))); }
  bool binary(Json::binary_t& value) { return Put(Json(std::move(value))); }
  bool start_object(std::size_t) { return Open(Json::value_t::object); }
  bool start_array(std::size_t) { return Open(Json::value_t::array); }
  bool end_object() { return Close(); }
  bool end_array() { return Close(); }

  bool key(std::string& key) {
    Frame& f = frames_.back();
    Members& members = f.value->get_ref<Json::object_t&>();
    std::size_t at = members.size();
    if (members.size() < kFewKeys) {  // a search of a few keys is cheaper than a hash
      for (std::size_t i = 0; i < members.size(); ++i) {
        if (members[i].first == key) {
          at = i;
          break;
        }
      }
    } else {
      if (f.keys.empty()) {
        for (std::size_t i = 0; i < members.size(); ++i) f.keys.emplace(members[i].first, i);
      }
      at = f.keys.emplace(key, at).first->second;
    }
    f.current = at;
    if (at < members.size()) {
      faults_.Add(Where() + ": the key " + QuotedShort(key) + " is given twice");
    } else {
      members.emplace_back(std::move(key), Json());
    }
    next_ = &members[at].second;
    return true;
  }

  bool parse_error(std::size_t, const std::string&, const Json::exception& e) {
    const std::string what = e.what();  // syntax, or a number beyond the range of a double
    faults_.Add(CutUtf8(what, 200) + (what.size() > 200 ? "..." : ""));  // it quotes the input
    return false;
  }

 private:
  using Members = Json::object_t::Container;  // the object's members, in order
  static constexpr std::size_t kFewKeys = 16;

  struct Frame {
    Json* value;                                        // the open array or object
    std::size_t current;                                // the element it is reading
    std::unordered_map<std::string, std::size_t> keys;  // a large object's keys: member index
  };

  // Puts `value` where the next value goes: the root, the end of the open array, or the member
  // whose key came last.
  Json* Place(Json&& value) {
    if (frames_.empty()) {
      root_ = std::move(value);
      return &root_;
    }
    Frame& f = frames_.back();
    if (f.value->is_array()) {
      Json::array_t& elements = f.value->get_ref<Json::array_t&>();
      f.current = elements.size();
      elements.push_back(std::move(value));
      return &elements.back();
    }
    *next_ = std::move(value);
    return next_;
  }
  bool Put(Json&& value) {
    Place(std::move(value));
    return true;
  }
  bool Open(Json::value_t type) {
    Json* value = Place(Json(type));
    frames_.push_back(Frame{value, 0, {}});
    return true;
  }
  bool Close() {
    frames_.pop_back();
    return true;
  }

  // The path of the innermost open object ("kinds[1].slots[0]"), or "the document".
  std::string Where() const {
    std::string where;
    for (std::size_t i = 0; i + 1 < frames_.size(); ++i) {
      const Frame& f = frames_[i];
      if (f.value->is_array()) {
        where += "[" + std::to_string(f.current) + "]";
      } else {
        const Members& members = f.value->get_ref<const Json::object_t&>();
        const std::string key = CutUtf8(members[f.current].first, kNameFieldSize - 1);
        const std::string quoted = Dumped(key);
        where += (where.empty() ? "" : ".") + quoted.substr(1, quoted.size() - 2);
      }
    }
    return where.empty() ? "the document" : where;
  }

  Json& root_;
  DocumentFaults& faults_;
  std::vector<Frame> frames_;
  Json* next_ = nullptr;  // the member whose key came last
};

}  // namespace

std::string Dumped(const Json& value) {
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string OneLine(const Json& object) {
  std::string out = "{";
  bool first = true;
  for (const auto& item : object.items()) {
    if (!first) out += ", ";
    first = false;
    out += Dumped(item.key()) + ": " + Dumped(item.value());
  }
  return out + "}";
}

void DocumentFaults::Add(std::string fault) {
  if (shown_.size() < kShownFaults) {
    shown_.push_back(std::move(fault));
  } else {
    ++not_shown_;
  }
}

std::string QuotedShort(const std::string& text) {
  const std::string cut = CutUtf8(text, kNameFieldSize - 1);
  return Dumped(cut) + (cut.size() < text.size() ? "..." : "");
}

Json RecordToJson(const SymbolLabelConfig& stored) {
  SymbolLabelConfig r = stored;
  RepairRecord(r);
  Json kind;
  kind["kind"] = FieldShown(r.szSymbolName, kNameFieldSize);
  kind["count"] = Value(r.nLabelCount);
  kind["slots"] = Json::array();
  for (int i = 0; i < r.nLabelCount; ++i) {
    Json slot;
    slot["text"] = FieldShown(r.szText[i], kNameFieldSize);
    slot["visible"] = r.bVisible[i] != 0;
    slot["position"] = Value(r.nPosition[i]);
    slot["height"] = Value(r.dHeight[i]);
    slot["width"] = Value(r.dWidth[i]);
    slot["angle_follows"] = r.bAngleFollows[i] != 0;
    slot["angle"] = Value(r.dAngle[i]);
    slot["fore_color"] = Value(r.clrFore[i]);
    slot["back_color"] = Value(r.clrBack[i]);
    slot["font"] = FieldShown(r.szFont[i], kFontFieldSize);
    kind["slots"].push_back(std::move(slot));
  }
  return kind;
}

std::string FormatDocument(const std::vector<Json>& kinds) {
  if (kinds.empty()) return "{\n  \"kinds\": []\n}\n";
  std::string out = "{\n  \"kinds\": [\n";
  for (std::size_t k = 0; k < kinds.size(); ++k) {
    const Json& kind = kinds[k];
    out += "    {\n";
    out += "      \"kind\": " + Dumped(kind.at("kind")) + ",\n";
    out += "      \"count\": " + Dumped(kind.at("count")) + ",\n";
    const Json& slots = kind.at("slots");
    if (slots.empty()) {
      out += "      \"slots\": []\n";
    } else {
      out += "      \"slots\": [\n";
      for (std::size_t i = 0; i < slots.size(); ++i) {
        out += "        " + OneLine(slots[i]) + (i + 1 < slots.size() ? ",\n" : "\n");
      }
      out += "      ]\n";
    }
    out += k + 1 < kinds.size() ? "    },\n" : "    }\n";
  }
  return out + "  ]\n}\n";
}

bool HasWideByteOrderMark(const std::string& text) {
  return text.compare(0, 2, "\xFF\xFE") == 0 || text.compare(0, 2, "\xFE\xFF") == 0 ||
         text.compare(0, 4, std::string("\0\0\xFE\xFF", 4)) == 0;
}

bool ParseDocument(const std::string& text, Json& document, DocumentFaults& faults) {
  const char* const kSaveAsUtf8 = "; save it as UTF-8 and try again";
  if (HasWideByteOrderMark(text)) {
    faults.Add(std::string("the document is UTF-16 or UTF-32 text (\"Unicode\"), not UTF-8") +
               kSaveAsUtf8);
    return false;
  }
  DocumentBuilder builder(document, faults);
  if (Json::sax_parse(text, &builder)) return true;
  if (!IsUtf8(text)) {
    faults.Add(std::string("the document is no UTF-8 text (one saved as ANSI or GBK, say)") +
               kSaveAsUtf8);
  }
  return false;
}

bool RecordsFromDocument(const Json& document, std::vector<SymbolLabelConfig>& records,
                         DocumentFaults& faults) {
  records.clear();
  Checker check(faults);
  if (!document.is_object()) {
    check.Fail("", "the document must be an object {\"kinds\": [...]}");
    return false;
  }
  check.OnlyKnown(document, kDocumentFields, "");
  const Json* kinds = check.Member(document, "kinds", "");
  if (kinds == nullptr) return false;
  if (!kinds->is_array()) {
    check.Fail("", Checker::Field("kinds") + "must be an array");
    return false;
  }
  records.reserve(kinds->size());
  std::unordered_map<std::string, std::size_t> seen;  // GBK name -> index in "kinds"
  for (std::size_t k = 0; k < kinds->size(); ++k) {
    const Json& kind = (*kinds)[k];
    std::string where = "kinds[" + std::to_string(k) + "]";
    if (!kind.is_object()) {
      check.Fail(where, ": must be an object");
      continue;
    }
    auto name_it = kind.find("kind");
    if (name_it != kind.end() && name_it->is_string()) {
      where += " " + QuotedShort(name_it->get_ref<const std::string&>());
    }
    where += ", ";
    SymbolLabelConfig r;
    InitRecord(r);
    check.OnlyKnown(kind, kKindFields, where);
    std::string name;
    if (check.Text(kind, "kind", kNameFieldSize, where, name)) {
      if (name.empty()) check.Fail(where, Checker::Field("kind") + "is empty");
      SetSymbolName(r, name.c_str());
      auto inserted = seen.emplace(name, k);
      if (!inserted.second) {
        check.Fail(where, Checker::Field("kind") + "the kind is given twice (also kinds[" +
                              std::to_string(inserted.first->second) + "])");
      }
    }
    long long count = -1;
    if (check.Integer(kind, "count", 0, kMaxLabelSlots, where, count)) {
      r.nLabelCount = static_cast<std::int32_t>(count);
    } else {
      count = -1;  // no comparison with the slots given
    }
    const Json* slots = check.Member(kind, "slots", where);
    if (slots != nullptr && !slots->is_array()) {
      check.Fail(where, Checker::Field("slots") + "must be an array");
    } else if (slots != nullptr) {
      if (slots->size() > static_cast<std::size_t>(kMaxLabelSlots)) {
        check.Fail(where, Checker::Field("slots") + std::to_string(slots->size()) +
                              " slots given; a kind has at most " + std::to_string(kMaxLabelSlots));
      } else if (count >= 0 && static_cast<std::size_t>(count) != slots->size()) {
        check.Fail(where, Checker::Field("count") + std::to_string(count) + ", but " +
                              std::to_string(slots->size()) + " slot(s) are given");
      }
      const std::size_t most = static_cast<std::size_t>(kMaxLabelSlots);
      const std::size_t n = slots->size() < most ? slots->size() : most;
      for (std::size_t i = 0; i < n; ++i) {
        ReadSlot(check, (*slots)[i], where + "slot " + std::to_string(i) + ", ", r,
                 static_cast<int>(i));
      }
    }
    if (!check.Failed()) records.push_back(r);
  }
  if (check.Failed()) records.clear();
  return !check.Failed();
}

}  // namespace vjdcfg
