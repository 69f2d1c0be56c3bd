// One file the tool reads, or changes in place, under the configuration file's own lock
// (RecordFile.h), held from opening to closing: shared while it only reads, exclusive while it
// reads, changes and writes.  So no other writer (the configuration window of a host, another
// vjdcfg) works in between, nothing another one stored is lost, and no reader sees half a write.
// The file is written where its path leads: its links, owner and mode stay.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

#include "FileAccess.h"
#include "StdioRecordFileSystem.h"

namespace vjdcfg {

// No configuration file is this large (about 250,000 records); anything larger is refused rather
// than read into memory.
inline constexpr std::size_t kMaxFileBytes = std::size_t{256} << 20;

class LockedFile {
 public:
  // `lock_wait_ms`: how long another program's lock is waited for.
  LockedFile(std::string path, int lock_wait_ms);
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;

  // Opens the file for `use` (FileAccess.h) and takes its lock: shared to read, exclusive to
  // update.  False with `error` when it cannot be opened, is refused, or stays locked.
  bool Open(FileUse use, std::string& error);
  // The whole file, read under the lock.
  bool Read(std::string& bytes, std::string& error);
  // Turns the file's contents from `before` (what Read gave) into `after`: writes the records
  // that differ and what lies beyond the old end, cuts what `after` no longer holds, and puts it
  // on the disk.  When that fails it puts `before` back as far as it can and says so in `error`.
  bool Rewrite(const std::string& before, const std::string& after, std::string& error);
  // Flushes, lets go of the lock and closes.
  bool Close(std::string& error);

 private:
  std::string path_;
  int lock_wait_ms_;
  std::FILE* stream_ = nullptr;  // owned by file_
  std::unique_ptr<vjd::annotation::StdioRecordFile> file_;
};

}  // namespace vjdcfg
