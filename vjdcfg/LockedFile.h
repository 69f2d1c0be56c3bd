// One file the tool reads, or changes in place, under the configuration file's own lock
// (RecordFile.h), held from opening to closing: shared while it only reads, exclusive while it
// reads, changes and writes.  So no other writer (the configuration window of a host, another
// vjdcfg) works in between, nothing another one stored is lost, and no reader sees half a write.
// A write goes through a journal beside the file (RollbackJournal.h), so a crash or a full disk
// leaves the old file or the new one; a journal that a write which did not finish left is undone
// first, whatever the command.  The file is written where its path leads: its links, owner and
// mode stay.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "FileAccess.h"
#include "StdioRecordFileSystem.h"
#include "ToolFileSystem.h"

namespace vjdcfg {

// No configuration file is this large (about 250,000 records); anything larger is refused rather
// than read into memory.
inline constexpr std::size_t kMaxFileBytes = std::size_t{256} << 20;

struct FileOptions {
  int lock_wait_ms = vjd::annotation::kDefaultLockWaitMs;  // another program's lock
  bool no_lock = false;     // where the file system keeps no locks, write without one
  bool no_journal = false;  // where no journal can be written beside the file, write without one
};

class LockedFile {
 public:
  LockedFile(std::string path, const FileOptions& options);
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;

  // Opens the file for `use` (FileAccess.h), takes its lock (shared to read, exclusive to update)
  // and undoes a journal found beside it.  False with `error` when it cannot be opened, is
  // refused, stays locked or cannot be put right; a file this call created for an update is then
  // deleted again.  What the user should hear besides is in Notes().
  bool Open(FileUse use, std::string& error);
  // Opens the file to read it under the shared lock and changes nothing, a journal beside it
  // included: Read() then gives the file as its next use will find it, once that use has undone
  // the journal.  For a look that must leave everything as it is (a dry run).
  bool OpenToLook(std::string& error);
  const std::vector<std::string>& Notes() const { return notes_; }
  // The whole file, read under the lock.
  bool Read(std::string& bytes, std::string& error);
  // Turns the file's contents from `before` (what Read gave) into `after` through the journal:
  // writes the records that differ and what lies beyond the old end, cuts what `after` no longer
  // holds, and puts it on the disk.  When that fails the file is as it was (or its journal puts
  // it back at its next use), and `error` says so.
  bool Rewrite(const std::string& before, const std::string& after, std::string& error);
  // Flushes, lets go of the lock and closes.
  bool Close(std::string& error);

 private:
  // Opens and locks the file for `use`; false with `error`.
  bool OpenLocked(FileUse use, std::string& error);
  // Undoes the journal beside the file; false with `error` when the file cannot be put right.
  bool Recover(std::string& error);
  std::string JournalPath() const;

  std::string path_;
  FileOptions options_;
  ToolFileSystem files_;
  std::FILE* stream_ = nullptr;  // owned by file_
  std::unique_ptr<vjd::annotation::StdioRecordFile> file_;
  bool journal_in_the_way_ = false;  // one that does not hold together, left alone
  bool looking_ = false;             // opened by OpenToLook
  std::vector<std::string> notes_;
};

}  // namespace vjdcfg
