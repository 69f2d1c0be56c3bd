// libFuzzer target: the configuration file's operations over arbitrary file contents.  The file
// lives in memory; every read is checked to stay within one record, and every record handed out
// must be safe to use (count in 0..8, every text terminated inside its field, every size and
// angle finite).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "LabelConfigFile.h"

using namespace vjd::annotation;

namespace {

class MemoryFile : public IRecordFile {
 public:
  explicit MemoryFile(std::vector<unsigned char>& bytes) : bytes_(bytes) {}
  long Read(void* buffer, std::size_t size) override {
    if (size > kRecordSize) std::abort();  // a read must never span more than one record
    std::size_t left = pos_ < bytes_.size() ? bytes_.size() - pos_ : 0;
    std::size_t n = size < left ? size : left;
    if (n > 0) std::memcpy(buffer, bytes_.data() + pos_, n);
    pos_ += n;
    return static_cast<long>(n);
  }
  bool Write(const void* buffer, std::size_t size) override {
    if (size != kRecordSize || pos_ % kRecordSize != 0) std::abort();  // whole records, aligned
    if (bytes_.size() < pos_ + size) bytes_.resize(pos_ + size);
    std::memcpy(bytes_.data() + pos_, buffer, size);
    pos_ += size;
    return true;
  }
  bool Seek(long long offset) override {
    if (offset < 0 || static_cast<std::size_t>(offset) > bytes_.size()) std::abort();
    pos_ = static_cast<std::size_t>(offset);
    return true;
  }
  bool Flush() override { return true; }
  bool Close() override { return true; }

 private:
  std::vector<unsigned char>& bytes_;
  std::size_t pos_ = 0;
};

class MemoryFiles : public IRecordFileSystem {
 public:
  std::vector<unsigned char> bytes;
  std::unique_ptr<IRecordFile> OpenOrCreate(const CString&) override {
    return std::make_unique<MemoryFile>(bytes);
  }
};

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
  MemoryFiles files;
  files.bytes.assign(data, data + size);
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

  std::size_t whole = files.bytes.size() / kRecordSize;
  SymbolLabelConfig added;
  InitRecord(added);
  SetSymbolName(added, "fuzz-new-kind");
  bool existed = file.FindRecord("fuzz-new-kind", r).ok();
  file.StoreRecord(added);
  // A new kind lands right after the last whole record; an existing one stays where it was.
  std::size_t expected = existed ? size : (whole + 1) * kRecordSize;
  if (!existed && files.bytes.size() != expected) std::abort();
  if (existed && files.bytes.size() != size) std::abort();
  return 0;
}
