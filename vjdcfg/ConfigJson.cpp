#include "ConfigJson.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>

#include "GbkConverter.h"
#include "GbkText.h"

using namespace vjd::annotation;

namespace vjdcfg {
namespace {

const char* const kDocumentFields[] = {"kinds"};
const char* const kKindFields[] = {"kind", "count", "slots"};
const char* const kSlotFields[] = {"text",          "visible", "position",   "height",     "width",
                                   "angle_follows", "angle",   "fore_color", "back_color", "font"};

std::string FieldShown(const char* field, int size) {
  return GbkToUtf8Shown(gbk::FromBuffer(field, static_cast<std::size_t>(size)));
}

std::string Dumped(const Json& value) {
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// {"a": 1, "b": 2} on one line.
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

// Collects the faults of a document; each names where it is.
class Checker {
 public:
  explicit Checker(std::vector<std::string>& errors) : errors_(errors) {}

  void Fail(const std::string& where, const std::string& what) { errors_.push_back(where + what); }
  bool Failed() const { return !errors_.empty(); }

  // Every member of `object` must be one of `known`.
  template <std::size_t N>
  void OnlyKnown(const Json& object, const char* const (&known)[N], const std::string& where) {
    for (const auto& item : object.items()) {
      bool found = false;
      for (const char* name : known) found = found || item.key() == name;
      if (!found) Fail(where, "unknown field \"" + item.key() + "\"");
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

  // A text that fits a field of `size` bytes in GBK, converted.
  bool Text(const Json& object, const char* name, int size, const std::string& where,
            std::string& gbk) {
    const Json* value = Member(object, name, where);
    if (value == nullptr) return false;
    if (!value->is_string()) return WrongType(where, name, "a string");
    const std::string& utf8 = value->get_ref<const std::string&>();
    if (utf8.find('\0') != std::string::npos) {
      Fail(where, Field(name) + "contains a zero character");
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

  std::vector<std::string>& errors_;
};

void ReadSlot(Checker& check, const Json& slot, const std::string& where, SymbolLabelConfig& r,
              int i) {
  if (!slot.is_object()) {
    check.Fail(where, "must be an object");
    return;
  }
  check.OnlyKnown(slot, kSlotFields, where);
  std::string text;
  if (check.Text(slot, "text", kNameFieldSize, where, text)) SetSlotText(r, i, text.c_str());
  check.Flag(slot, "visible", where, r.bVisible[i]);
  long long number = 0;
  if (check.Integer(slot, "position", 0, kLabelPositionCount - 1, where, number)) {
    SetSlotPosition(r, i, static_cast<int>(number));
  }
  check.Real(slot, "height", where, r.dHeight[i]);
  check.Real(slot, "width", where, r.dWidth[i]);
  check.Flag(slot, "angle_follows", where, r.bAngleFollows[i]);
  check.Real(slot, "angle", where, r.dAngle[i]);
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

}  // namespace

Json RecordToJson(const SymbolLabelConfig& stored) {
  SymbolLabelConfig r = stored;
  RepairRecord(r);
  Json kind;
  kind["kind"] = FieldShown(r.szSymbolName, kNameFieldSize);
  kind["count"] = r.nLabelCount;
  kind["slots"] = Json::array();
  for (int i = 0; i < r.nLabelCount; ++i) {
    Json slot;
    slot["text"] = FieldShown(r.szText[i], kNameFieldSize);
    slot["visible"] = r.bVisible[i] != 0;
    slot["position"] = r.nPosition[i];
    slot["height"] = r.dHeight[i];
    slot["width"] = r.dWidth[i];
    slot["angle_follows"] = r.bAngleFollows[i] != 0;
    slot["angle"] = r.dAngle[i];
    slot["fore_color"] = r.clrFore[i];
    slot["back_color"] = r.clrBack[i];
    slot["font"] = FieldShown(r.szFont[i], kFontFieldSize);
    kind["slots"].push_back(slot);
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

bool RecordsFromDocument(const Json& document, std::vector<SymbolLabelConfig>& records,
                         std::vector<std::string>& errors) {
  records.clear();
  errors.clear();
  Checker check(errors);
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
  std::map<std::string, std::size_t> seen;  // GBK name -> index in "kinds"
  for (std::size_t k = 0; k < kinds->size(); ++k) {
    const Json& kind = (*kinds)[k];
    std::string where = "kinds[" + std::to_string(k) + "]";
    if (!kind.is_object()) {
      check.Fail(where, ": must be an object");
      continue;
    }
    auto name_it = kind.find("kind");
    if (name_it != kind.end() && name_it->is_string()) where += " " + Dumped(*name_it);
    where += ", ";
    SymbolLabelConfig r;
    InitRecord(r);
    check.OnlyKnown(kind, kKindFields, where);
    std::string name;
    if (check.Text(kind, "kind", kNameFieldSize, where, name)) {
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
                              " slots given; a kind has at most 8");
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
    records.push_back(r);
  }
  if (check.Failed()) records.clear();
  return !check.Failed();
}

}  // namespace vjdcfg
