// libFuzzer target: the configuration file's operations over arbitrary file contents, and over an
// arbitrary journal beside it.  The file lives in the shared in-memory file system; every access
// is checked to keep to whole records, and every record handed out must be safe to use (count in
// 0..8, every text terminated inside its field, every size and angle finite).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "LabelConfigFile.h"
#include "MemoryRecordFileSystem.h"
#include "RollbackJournal.h"

using namespace vjd::annotation;

namespace {

using vjd::testing::MemoryRecordFileSystem;

const char kPath[] = "C:\\host\\机电数据库\\机电配置.cfg";

// A journal beside the file for inputs that ask for one (an odd length): the input's bytes
// as the journal, with the checksum a writer would have put at its end, so that the runs it
// declares are read and played back.
std::string JournalOf(const uint8_t* data, size_t size) {
  std::string journal(reinterpret_cast<const char*>(data), size);
  if (journal.size() >= RollbackJournal::kHeaderSize + 4) {
    const std::size_t end = journal.size() - 4;
    std::uint32_t c = 0xFFFFFFFFu;  // CRC-32 of bytes 12 .. end
    for (std::size_t i = 12; i < end; ++i) {
      c ^= static_cast<unsigned char>(journal[i]);
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    }
    c ^= 0xFFFFFFFFu;
    for (int i = 0; i < 4; ++i) journal[end + i] = static_cast<char>((c >> (8 * i)) & 0xFF);
  }
  return journal;
}

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
  MemoryRecordFileSystem files;
  files.Put(kPath, std::string(reinterpret_cast<const char*>(data), size));
  const bool journal = size % 2 == 1;
  if (journal) files.Put(std::string(kPath) + RollbackJournal::kSuffix, JournalOf(data, size));
  LabelConfigFile file("C:\\host\\", &files);
  // The first operation undoes a journal that holds together, leaving the file at the length
  // the journal gives, or leaves the file and the journal as they are.
  SymbolLabelConfig first;
  file.FindRecord("", first);
  const bool sealed = size >= RollbackJournal::kHeaderSize + 4 && data[8] == 1 && data[9] == 0 &&
                      data[10] == 0 && data[11] == 0;
  if (journal && sealed && !files.Has(std::string(kPath) + RollbackJournal::kSuffix)) {
    std::uint64_t original = 0;
    for (int i = 0; i < 8; ++i) original |= std::uint64_t{data[16 + i]} << (8 * i);
    if (files.Contents(kPath).size() != original) std::abort();
  } else if (files.Contents(kPath) != std::string(reinterpret_cast<const char*>(data), size)) {
    std::abort();
  }
  const std::string contents = files.Contents(kPath);
  size = contents.size();
  data = reinterpret_cast<const uint8_t*>(contents.data());
  // From here on every access keeps to whole records.
  files.RequireWholeRecords(kPath, kRecordSize);

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

  std::size_t whole = size / kRecordSize;
  SymbolLabelConfig added;
  InitRecord(added);
  SetSymbolName(added, "fuzz-new-kind");
  bool existed = file.FindRecord("fuzz-new-kind", r).ok();
  file.StoreRecord(added);
  // A new kind lands right after the last whole record; an existing one stays where it was.
  std::size_t expected = existed ? size : (whole + 1) * kRecordSize;
  if (!existed && files.Contents(kPath).size() != expected) std::abort();
  if (existed && files.Contents(kPath).size() != size) std::abort();
  if (!files.Strays().empty()) std::abort();  // a read or write beyond one record
  return 0;
}
