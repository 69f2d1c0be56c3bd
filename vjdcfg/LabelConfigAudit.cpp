#include "LabelConfigAudit.h"

#include <cmath>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "GbkText.h"

namespace vjd::annotation {
namespace {

bool Terminated(const char* field, int size) {
  return std::memchr(field, 0, static_cast<std::size_t>(size)) != nullptr;
}

// The text of a field as a repaired record holds it: up to its terminator, at most size - 1 bytes.
std::string FieldText(const char* field, int size) {
  return gbk::FromBuffer(field, static_cast<std::size_t>(size - 1));
}

bool IsGbk(const char* field, int size, const TextMender& mend) {
  std::string text = FieldText(field, size);
  return mend(text) == text;
}

bool IsControl(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return u < 0x20 || u == 0x7F;  // never the second byte of a GBK character (0x40 and above)
}

bool HasControl(const char* field, int size) {
  for (char c : FieldText(field, size)) {
    if (IsControl(c)) return true;
  }
  return false;
}

bool IsDefaultFont(const char* field) {
  return FieldText(field, kFontFieldSize) == kDefaultFontName;
}

bool ValidPosition(std::int32_t code) {
  return code >= 0 && code < kLabelPositionCount;
}

// Replaces the text of a field by its mended form, of the same length or shorter; the bytes after
// the text's terminator stay.
void MendGbkField(char* field, int size, const TextMender& mend) {
  std::string text = FieldText(field, size);
  std::string mended = gbk::CutToFit(mend(text), text.size());
  std::memcpy(field, mended.data(), mended.size());
  std::memset(field + mended.size(), 0, text.size() - mended.size());
}

void MendControls(char* field, int size) {
  const std::size_t length = FieldText(field, size).size();
  for (std::size_t i = 0; i < length; ++i) {
    if (IsControl(field[i])) field[i] = '?';
  }
}

// Reports each fault of a record's name field; with `fix`, mends each one as it reports it.
template <typename Report>
void ExamineName(char* name, const TextMender& mend, bool fix, Report report) {
  if (!Terminated(name, kNameFieldSize)) {
    report(LabelConfigFault::kNameUnterminated, -1, 0);
    if (fix) name[kNameFieldSize - 1] = '\0';
  }
  if (!IsGbk(name, kNameFieldSize, mend)) {
    report(LabelConfigFault::kNameNotGbk, -1, 0);
    if (fix) MendGbkField(name, kNameFieldSize, mend);
  }
  if (HasControl(name, kNameFieldSize)) {
    report(LabelConfigFault::kNameControl, -1, 0);
    if (fix) MendControls(name, kNameFieldSize);
  }
  if (name[0] == '\0') report(LabelConfigFault::kNameEmpty, -1, 0);  // dropped
}

// Reports each fault of one record except its kind's repetition; with `fix`, mends each one as it
// reports it, so that repairing mends exactly what the audit reports.
template <typename Report>
void Examine(SymbolLabelConfig& r, const TextMender& mend, bool fix, Report report) {
  ExamineName(r.szSymbolName, mend, fix, report);
  const int in_use = LabelCount(r);
  if (r.nLabelCount != in_use) {
    report(LabelConfigFault::kCountOutOfRange, -1, r.nLabelCount);
    if (fix) r.nLabelCount = in_use;
  }
  for (int i = 0; i < kMaxLabelSlots; ++i) {
    if (!Terminated(r.szText[i], kNameFieldSize)) {
      report(LabelConfigFault::kTextUnterminated, i, 0);
      if (fix) r.szText[i][kNameFieldSize - 1] = '\0';
    }
    if (!Terminated(r.szFont[i], kFontFieldSize)) {
      report(LabelConfigFault::kFontUnterminated, i, 0);
      if (fix) r.szFont[i][kFontFieldSize - 1] = '\0';
    }
    if (i >= in_use) continue;
    if (!IsGbk(r.szText[i], kNameFieldSize, mend)) {
      report(LabelConfigFault::kTextNotGbk, i, 0);
      if (fix) MendGbkField(r.szText[i], kNameFieldSize, mend);
    }
    if (HasControl(r.szText[i], kNameFieldSize)) {
      report(LabelConfigFault::kTextControl, i, 0);
      if (fix) MendControls(r.szText[i], kNameFieldSize);
    }
    if (!IsDefaultFont(r.szFont[i])) {
      report(LabelConfigFault::kFontNotDefault, i, 0);
      if (fix) CopyTextField(r.szFont[i], kFontFieldSize, kDefaultFontName);
    }
    if (!ValidPosition(r.nPosition[i])) {
      report(LabelConfigFault::kPositionOutOfRange, i, r.nPosition[i]);
      if (fix) r.nPosition[i] = 0;
    }
    if (!std::isfinite(r.dHeight[i])) {
      report(LabelConfigFault::kHeightNotFinite, i, 0);
      if (fix) r.dHeight[i] = kDefaultLabelHeight;
    }
    if (!std::isfinite(r.dWidth[i])) {
      report(LabelConfigFault::kWidthNotFinite, i, 0);
      if (fix) r.dWidth[i] = kDefaultLabelWidth;
    }
    if (!std::isfinite(r.dAngle[i])) {
      report(LabelConfigFault::kAngleNotFinite, i, 0);
      if (fix) r.dAngle[i] = 0.0;
    }
  }
}

constexpr std::size_t kDropped = static_cast<std::size_t>(-1);

// For each record, the one repair keeps of its kind, the kind being its name once mended: the
// first record whose name needed no mending (the one lookups find under that name), else the
// first of the kind; kDropped for a record without name.  A damaged name that mending makes
// equal to a sound one never displaces the record lookups find.
std::vector<std::size_t> KeptRecords(const std::vector<SymbolLabelConfig>& records,
                                     const TextMender& mend) {
  std::vector<std::string> names(records.size());
  std::vector<bool> intact(records.size());
  std::unordered_map<std::string, std::size_t> kept;
  for (std::size_t k = 0; k < records.size(); ++k) {
    char name[kNameFieldSize];
    std::memcpy(name, records[k].szSymbolName, kNameFieldSize);
    bool sound = true;
    ExamineName(name, mend, true, [&sound](LabelConfigFault, int, long long) { sound = false; });
    intact[k] = sound;
    names[k] = name;
    if (names[k].empty()) continue;
    auto inserted = kept.emplace(names[k], k);
    if (!inserted.second && sound && !intact[inserted.first->second]) inserted.first->second = k;
  }
  std::vector<std::size_t> out(records.size(), kDropped);
  for (std::size_t k = 0; k < records.size(); ++k) {
    if (!names[k].empty()) out[k] = kept[names[k]];
  }
  return out;
}

}  // namespace

LabelConfigImage ImageOfBytes(const std::string& bytes) {
  LabelConfigImage image;
  const std::size_t whole = bytes.size() / kRecordSize;
  image.records.resize(whole);
  if (whole > 0) std::memcpy(image.records.data(), bytes.data(), whole * kRecordSize);
  image.trailing = bytes.substr(whole * kRecordSize);
  return image;
}

std::string BytesOfImage(const LabelConfigImage& image) {
  std::string bytes(reinterpret_cast<const char*>(image.records.data()),
                    image.records.size() * kRecordSize);
  return bytes + image.trailing;
}

std::vector<std::size_t> RecordsFound(const std::vector<SymbolLabelConfig>& records) {
  std::vector<std::size_t> found;
  std::unordered_set<std::string> names;
  for (std::size_t k = 0; k < records.size(); ++k) {
    const char* name = records[k].szSymbolName;
    if (Terminated(name, kNameFieldSize) && names.insert(name).second) found.push_back(k);
  }
  return found;
}

std::vector<LabelConfigFinding> AuditLabelConfig(const LabelConfigImage& image,
                                                 const TextMender& mend) {
  std::vector<LabelConfigFinding> found;
  const std::vector<std::size_t> kept = KeptRecords(image.records, mend);
  for (std::size_t k = 0; k < image.records.size(); ++k) {
    SymbolLabelConfig r = image.records[k];
    if (kept[k] != kDropped && kept[k] != k) {
      // The same kind as stored, or one that only mending makes the same.
      const char* other = image.records[kept[k]].szSymbolName;
      const bool same = Terminated(r.szSymbolName, kNameFieldSize) &&
                        Terminated(other, kNameFieldSize) &&
                        std::strcmp(r.szSymbolName, other) == 0;
      found.push_back({same ? LabelConfigFault::kDuplicateKind : LabelConfigFault::kMendedNameTaken,
                       k, -1, static_cast<long long>(kept[k])});
    }
    Examine(r, mend, false, [&found, k](LabelConfigFault fault, int slot, long long value) {
      found.push_back({fault, k, slot, value});
    });
  }
  if (!image.trailing.empty()) {
    found.push_back({LabelConfigFault::kTrailingBytes, image.records.size(), -1,
                     static_cast<long long>(image.trailing.size())});
  }
  return found;
}

LabelConfigImage RepairLabelConfig(const LabelConfigImage& image, const TextMender& mend) {
  const std::vector<std::size_t> kept = KeptRecords(image.records, mend);
  LabelConfigImage clean;
  for (std::size_t k = 0; k < image.records.size(); ++k) {
    if (kept[k] != k) continue;
    SymbolLabelConfig c = image.records[k];
    Examine(c, mend, true, [](LabelConfigFault, int, long long) {});
    clean.records.push_back(c);
  }
  return clean;
}

}  // namespace vjd::annotation
