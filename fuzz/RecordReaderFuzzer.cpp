// libFuzzer target: the configuration file's operations over arbitrary file contents.  The file
// lives in memory; every access is checked to keep to whole records (a read within one record, a
// write of one whole record, no seek past the end), and every record handed out must be safe to
// use (count in 0..8, every text terminated inside its field, every size and angle finite).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "LabelConfigFile.h"
#include "MemoryRecordFileSystem.h"

using namespace vjd::annotation;

namespace {

void CheckSafe(const SymbolLabelConfig& r) {
  if (r.nLabelCount < 0 || r.nLabelCount > kMaxLabelSlots) std::abort();
  if (std::memchr(r.szSymbolName, 0, kNameFieldSize) == nullptr) std::abort();
  for (int i = 0; i < kMaxLabelSlots; ++i) {
    if (std::memchr(r.szText[i], 0, kNameFieldSize) == nullptr) std::abort();
    if (std::memchr(r.szFont[i], 0, kFontFieldSize) == nullptr) std::abort();
    if (!std::isfinite(r.dHeight[i]) || !std::isfinite(r.dWidth[i]) || !std::isfinite(r.dAngle[i]))
      std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = std::string("C:\\host\\") + LabelConfigFile::kRelativePath;
  vjd::testing::MemoryRecordFileSystem files;
  files.Put(path, std::string(reinterpret_cast<const char*>(data), size));
  files.RequireWholeRecords(kRecordSize);
  LabelConfigFile file("C:\\host\\", &files);

  // The name looked for: the first record's name when there is one, else a fixed kind.
  char name[kNameFieldSize] = "电动机";
  if (size >= kNameFieldSize) {
    std::memcpy(name, data, kNameFieldSize);
    name[kNameFieldSize - 1] = 0;
  }
  SymbolLabelConfig r;
  if (file.FindRecord(name, r).ok()) {
    CheckSafe(r);
    for (int col = 0; col < kLabelColumnCount; ++col)
      for (int slot = 0; slot < LabelCount(r); ++slot) (void)SlotColumnText(r, slot, col);
  }
  double h, w;
  file.GetFirstSlotSize(name, h, w);
  if (!std::isfinite(h) || !std::isfinite(w)) std::abort();  // a new grid row shows them
  int index = size > 0 ? data[size - 1] % 11 - 1 : 0;
  file.RemoveLabelSlot(name, index);

  std::size_t whole = files.Contents(path).size() / kRecordSize;
  SymbolLabelConfig added;
  InitRecord(added);
  SetSymbolName(added, "fuzz-new-kind");
  bool existed = file.FindRecord("fuzz-new-kind", r).ok();
  file.StoreRecord(added);
  // A new kind lands right after the last whole record; an existing one stays where it was.
  std::size_t expected = existed ? size : (whole + 1) * kRecordSize;
  if (!existed && files.Contents(path).size() != expected) std::abort();
  if (existed && files.Contents(path).size() != size) std::abort();
  if (!files.Strays().empty()) std::abort();
  return 0;
}
