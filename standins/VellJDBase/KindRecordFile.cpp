#include "KindRecordFile.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "StandInText.h"

namespace jdbase {
namespace {

// Field offsets and sizes of a record (the format document's table).
constexpr std::size_t kName = 0, kCount = 50, kTexts = 54, kVisible = 454, kPosition = 486,
                      kFore = 518, kBack = 550, kHeight = 838, kWidth = 902, kAngle = 966,
                      kFollows = 1030;
constexpr std::size_t kTextField = 50;

std::int32_t Int32At(const unsigned char* p) {
  const std::uint32_t u = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                          static_cast<std::uint32_t>(p[2]) << 16 |
                          static_cast<std::uint32_t>(p[3]) << 24;
  return static_cast<std::int32_t>(u);
}

double RealAt(const unsigned char* p, double initial) {
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = bits << 8 | p[i];
  double value = 0.0;
  std::memcpy(&value, &bits, sizeof value);
  return std::isfinite(value) ? value : initial;
}

// A text field: its bytes up to the first zero, the field's last byte counting as one.
std::string TextAt(const unsigned char* p) {
  std::size_t n = 0;
  while (n < kTextField - 1 && p[n] != 0) ++n;
  return std::string(reinterpret_cast<const char*>(p), n);
}

// The name field as stored, up to its first zero; all 50 bytes when it has none.
std::string StoredName(const unsigned char* p) {
  std::size_t n = 0;
  while (n < kTextField && p[n] != 0) ++n;
  return std::string(reinterpret_cast<const char*>(p), n);
}

}  // namespace

KindRecord ParseKindRecord(const unsigned char* bytes) {
  KindRecord record;
  record.kind = TextAt(bytes + kName);
  const std::int32_t count = Int32At(bytes + kCount);
  record.count = count < 0 ? 0 : (count > kKindRecordSlots ? kKindRecordSlots : count);
  for (int i = 0; i < kKindRecordSlots; ++i) {
    KindLabel& label = record.labels[i];
    label.text = TextAt(bytes + kTexts + i * kTextField);
    label.visible = Int32At(bytes + kVisible + 4 * i);
    label.position = Int32At(bytes + kPosition + 4 * i);
    label.fore = Int32At(bytes + kFore + 4 * i);
    label.back = Int32At(bytes + kBack + 4 * i);
    label.height = RealAt(bytes + kHeight + 8 * i, 0.003);
    label.width = RealAt(bytes + kWidth + 8 * i, 0.0015);
    label.angle = RealAt(bytes + kAngle + 8 * i, 0.0);
    label.angleFollows = Int32At(bytes + kFollows + 4 * i);
  }
  return record;
}

KindLookup FindKindRecord(std::FILE* file, const char* kind, KindRecord& record) {
  if (file == nullptr || kind == nullptr) return KindLookup::kNotFound;
  const std::string name(kind);
  const std::string wanted = name.substr(0, standin::GbkFitLength(name, kTextField - 1));
  unsigned char bytes[kKindRecordBytes];
  for (;;) {
    const std::size_t n = std::fread(bytes, 1, sizeof bytes, file);
    if (n < sizeof bytes)
      return std::ferror(file) ? KindLookup::kUnreadable : KindLookup::kNotFound;
    if (StoredName(bytes + kName) == wanted) {
      record = ParseKindRecord(bytes);
      return KindLookup::kFound;
    }
  }
}

KindLookup LookUpKindRecord(const std::string& path, const char* kind, KindRecord& record) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return KindLookup::kNotFound;
  const KindLookup found = FindKindRecord(file, kind, record);
  std::fclose(file);
  return found;
}

bool DefaultKindRecord(const char* kind, KindRecord& record) {
  // The kinds the library knows, each with the position code of its labels "a", "b", ... in turn.
  struct Known {
    const char* kind;
    std::initializer_list<int> positions;
  };
  static const Known known[] = {
      {"高压配电箱", {8, 7, 16}}, {"高压开关", {8, 7, 16}}, {"移动变电站", {0, 8}},
      {"矿用变压器", {0, 8}},     {"馈电开关", {8, 7, 16}}, {"启动器", {8, 7, 16}},
      {"电动机", {8, 3, 12}},     {"照明", {8, 3, 12}},     {"信号", {8, 3, 12}},
      {"电钻", {8, 3, 12}},       {"负荷", {8, 3, 12}},     {"短路点", {0}},
      {"综保", {8, 7, 16, 17}},   {"一拖二开关", {8, 7}},   {"一拖四开关", {8, 7}},
      {"一拖六开关", {8, 7}},
  };
  if (kind == nullptr) return false;
  for (const Known& k : known) {
    if (std::strcmp(k.kind, kind) != 0) continue;
    record = KindRecord();
    record.kind = kind;
    for (int position : k.positions) {
      KindLabel& label = record.labels[record.count];
      label.text = std::string(1, static_cast<char>('a' + record.count));
      label.visible = 1;
      label.position = position;
      ++record.count;
    }
    return true;
  }
  return false;
}

}  // namespace jdbase
