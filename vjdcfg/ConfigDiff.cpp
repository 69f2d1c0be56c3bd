#include "ConfigDiff.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <unordered_map>

#include "ConfigJson.h"
#include "LabelConfigAudit.h"

using namespace vjd::annotation;

namespace vjdcfg {
namespace {

// The name of each kind found in `records`, as its record index.
std::unordered_map<std::string, std::size_t> KindIndex(
    const std::vector<SymbolLabelConfig>& records, const std::vector<std::size_t>& found) {
  std::unordered_map<std::string, std::size_t> index;
  index.reserve(found.size());
  for (std::size_t k : found) index.emplace(records[k].szSymbolName, k);
  return index;
}

std::string Count(const Json& kind) {
  return ", count " + Dumped(kind.at("count"));
}

// The lines of one changed kind; none when its fields are all the same.
std::string Changes(const Json& old_kind, const Json& new_kind) {
  const std::string name = Dumped(new_kind.at("kind"));
  std::string lines;
  auto line = [&](const std::string& where, const std::string& from, const std::string& to) {
    if (from != to) lines += "  " + name + where + ": " + from + " -> " + to + "\n";
  };
  line(".count", Dumped(old_kind.at("count")), Dumped(new_kind.at("count")));
  const Json& old_slots = old_kind.at("slots");
  const Json& new_slots = new_kind.at("slots");
  const std::size_t most = std::max(old_slots.size(), new_slots.size());
  for (std::size_t i = 0; i < most; ++i) {
    const std::string slot = "[" + std::to_string(i) + "]";
    if (i >= old_slots.size()) {
      line(slot, "none", OneLine(new_slots[i]));
    } else if (i >= new_slots.size()) {
      line(slot, OneLine(old_slots[i]), "none");
    } else {
      for (const auto& field : old_slots[i].items()) {  // both in the order of the columns
        line(slot + "." + field.key(), Dumped(field.value()), Dumped(new_slots[i].at(field.key())));
      }
    }
  }
  return lines;
}

}  // namespace

DiffTally WriteKindChanges(const std::vector<SymbolLabelConfig>& before,
                           const std::vector<SymbolLabelConfig>& after, bool list_removed,
                           std::ostream& out) {
  DiffTally tally;
  const std::vector<std::size_t> found_before = RecordsFound(before);
  const std::vector<std::size_t> found_after = RecordsFound(after);
  const auto old_index = KindIndex(before, found_before);
  for (std::size_t k : found_after) {
    const Json new_kind = RecordToJson(after[k]);
    auto old = old_index.find(after[k].szSymbolName);
    if (old == old_index.end()) {
      out << "added " << Dumped(new_kind.at("kind")) << Count(new_kind) << "\n";
      ++tally.added;
      continue;
    }
    const std::string lines = Changes(RecordToJson(before[old->second]), new_kind);
    if (lines.empty()) {
      ++tally.unchanged;
    } else {
      out << "changed " << Dumped(new_kind.at("kind")) << "\n" << lines;
      ++tally.changed;
    }
  }
  if (!list_removed) return tally;
  const auto new_index = KindIndex(after, found_after);
  for (std::size_t k : found_before) {
    if (new_index.count(before[k].szSymbolName) != 0) continue;
    const Json old_kind = RecordToJson(before[k]);
    out << "removed " << Dumped(old_kind.at("kind")) << Count(old_kind) << "\n";
    ++tally.removed;
  }
  return tally;
}

}  // namespace vjdcfg
