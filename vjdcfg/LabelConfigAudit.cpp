#include "LabelConfigAudit.h"

#include <cmath>
#include <cstring>
#include <map>

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

bool IsDefaultFont(const char* field) {
  return FieldText(field, kFontFieldSize) == kDefaultFontName;
}

bool ValidPosition(std::int32_t code) {
  return code >= 0 && code < kLabelPositionCount;
}

// Replaces the text of a terminated field by its mended form; the bytes after the text's
// terminator stay.  True when the text changed.
bool MendField(char* field, int size, const TextMender& mend) {
  std::string text = FieldText(field, size);
  std::string mended = mend(text);
  if (mended == text) return false;
  mended = gbk::CutToFit(mended, text.size());
  std::memcpy(field, mended.data(), mended.size());
  std::memset(field + mended.size(), 0, text.size() - mended.size());
  return true;
}

}  // namespace

bool ReadLabelConfigImage(IRecordFile& file, LabelConfigImage& image) {
  image.records.clear();
  image.trailing.clear();
  for (;;) {
    SymbolLabelConfig record;
    long n = file.Read(&record, kRecordSize);
    if (n < 0) return false;
    if (n == static_cast<long>(kRecordSize)) {
      image.records.push_back(record);
      continue;
    }
    image.trailing.assign(reinterpret_cast<const char*>(&record), static_cast<std::size_t>(n));
    return true;
  }
}

bool WriteLabelConfigImage(IRecordFile& file, const LabelConfigImage& image) {
  for (const SymbolLabelConfig& record : image.records) {
    if (!file.Write(&record, kRecordSize)) return false;
  }
  return image.trailing.empty() || file.Write(image.trailing.data(), image.trailing.size());
}

std::vector<LabelConfigFinding> AuditLabelConfig(const LabelConfigImage& image,
                                                 const TextMender& mend) {
  std::vector<LabelConfigFinding> found;
  auto add = [&found](LabelConfigFault fault, std::size_t k, int slot, long long value = 0) {
    found.push_back({fault, k, slot, value});
  };
  std::map<std::string, std::size_t> first_of_kind;
  for (std::size_t k = 0; k < image.records.size(); ++k) {
    const SymbolLabelConfig& r = image.records[k];
    if (Terminated(r.szSymbolName, kNameFieldSize)) {
      auto inserted = first_of_kind.emplace(std::string(r.szSymbolName), k);
      if (!inserted.second) add(LabelConfigFault::kDuplicateKind, k, -1, inserted.first->second);
    } else {
      add(LabelConfigFault::kNameUnterminated, k, -1);
    }
    if (!IsGbk(r.szSymbolName, kNameFieldSize, mend)) add(LabelConfigFault::kNameNotGbk, k, -1);
    if (r.nLabelCount != LabelCount(r))
      add(LabelConfigFault::kCountOutOfRange, k, -1, r.nLabelCount);
    const int in_use = LabelCount(r);
    for (int i = 0; i < kMaxLabelSlots; ++i) {
      if (!Terminated(r.szText[i], kNameFieldSize)) add(LabelConfigFault::kTextUnterminated, k, i);
      if (!Terminated(r.szFont[i], kFontFieldSize)) add(LabelConfigFault::kFontUnterminated, k, i);
      if (i >= in_use) continue;
      if (!IsGbk(r.szText[i], kNameFieldSize, mend)) add(LabelConfigFault::kTextNotGbk, k, i);
      if (!IsDefaultFont(r.szFont[i])) add(LabelConfigFault::kFontNotDefault, k, i);
      if (!ValidPosition(r.nPosition[i])) {
        add(LabelConfigFault::kPositionOutOfRange, k, i, r.nPosition[i]);
      }
      if (!std::isfinite(r.dHeight[i])) add(LabelConfigFault::kHeightNotFinite, k, i);
      if (!std::isfinite(r.dWidth[i])) add(LabelConfigFault::kWidthNotFinite, k, i);
      if (!std::isfinite(r.dAngle[i])) add(LabelConfigFault::kAngleNotFinite, k, i);
    }
  }
  if (!image.trailing.empty()) {
    add(LabelConfigFault::kTrailingBytes, image.records.size(), -1,
        static_cast<long long>(image.trailing.size()));
  }
  return found;
}

LabelConfigImage RepairLabelConfig(const LabelConfigImage& image, const TextMender& mend) {
  std::vector<SymbolLabelConfig> repaired;
  std::vector<bool> name_intact;
  for (const SymbolLabelConfig& r : image.records) {
    SymbolLabelConfig c = r;
    const bool intact = Terminated(c.szSymbolName, kNameFieldSize);
    RepairRecord(c);
    MendField(c.szSymbolName, kNameFieldSize, mend);
    for (int i = 0; i < LabelCount(c); ++i) {
      MendField(c.szText[i], kNameFieldSize, mend);
      if (!IsDefaultFont(c.szFont[i])) CopyTextField(c.szFont[i], kFontFieldSize, kDefaultFontName);
      if (!ValidPosition(c.nPosition[i])) c.nPosition[i] = 0;
      if (!std::isfinite(c.dHeight[i])) c.dHeight[i] = kDefaultLabelHeight;
      if (!std::isfinite(c.dWidth[i])) c.dWidth[i] = kDefaultLabelWidth;
      if (!std::isfinite(c.dAngle[i])) c.dAngle[i] = 0.0;
    }
    repaired.push_back(c);
    name_intact.push_back(intact);
  }

  // The record kept for each kind: the first whose name lookups could find as it was, else the
  // first of the kind.
  std::map<std::string, std::size_t> kept;
  for (std::size_t k = 0; k < repaired.size(); ++k) {
    auto inserted = kept.emplace(std::string(repaired[k].szSymbolName), k);
    if (!inserted.second && name_intact[k] && !name_intact[inserted.first->second]) {
      inserted.first->second = k;
    }
  }
  LabelConfigImage clean;
  for (std::size_t k = 0; k < repaired.size(); ++k) {
    if (kept[std::string(repaired[k].szSymbolName)] == k) clean.records.push_back(repaired[k]);
  }
  return clean;
}

}  // namespace vjd::annotation
