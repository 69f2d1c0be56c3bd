// The file access under the configuration file: one file opened for reading and writing in byte
// mode, created when missing and never truncated unless asked, and the few things done to the
// files beside it (the journal of a write: RollbackJournal.h).  LabelConfigFile and the journal
// work only through these two interfaces, so tests can hand them files that fail on purpose.  The
// opener owns nothing it hands out; the caller owns the returned file and closes it by destroying
// it (or by Close()).
//
// Several programs share the file (the window in each host process, vjdcfg): each operation holds
// the file's lock while it runs, shared to read and exclusive to read, change and write, so one
// writer works at a time and no reader sees a record half written.
#pragma once

#include <cstddef>
#include <memory>

#include "CString.h"

namespace vjd::annotation {

enum class RecordFileLock { kShared, kExclusive };

// What asking for the file's lock came to.
enum class LockResult {
  kHeld,         // held until Close()
  kBusy,         // another program held it for the whole wait
  kUnsupported,  // the file system keeps no locks (a share without a lock service, for one)
  kFailed,       // refused for any other reason
};

class IRecordFile {
 public:
  virtual ~IRecordFile() = default;
  // Bytes read (0 at the end of the file), or -1 on a read error.
  virtual long Read(void* buffer, std::size_t size) = 0;
  // True when all `size` bytes were written (they may still wait in a buffer).
  virtual bool Write(const void* buffer, std::size_t size) = 0;
  // True when every byte written so far has reached the file.
  virtual bool Flush() = 0;
  virtual bool Seek(long long offset) = 0;  // from the start of the file
  // Flushes, lets go of the lock and closes; true when every byte written so far reached the file.
  virtual bool Close() = 0;
  // Takes the file's lock until Close(), waiting a bounded time while another program holds it
  // (a shared lock waits only for an exclusive one).  Unless it is held, the caller neither
  // reads nor writes.  A file that no other program sees needs no lock.
  virtual LockResult Lock(RecordFileLock kind) {
    (void)kind;
    return LockResult::kHeld;
  }
  // Flushes and makes the file `size` bytes long: cut, or lengthened with zero bytes.
  virtual bool Truncate(long long size) = 0;
  // The file's length in bytes, what waits in a buffer included; -1 when it cannot be told.
  virtual long long Length() = 0;
  // Flushes and waits until every byte written so far is on the disk, not only in the system's
  // cache (fsync; FlushFileBuffers).
  virtual bool Sync() = 0;
};

class IRecordFileSystem {
 public:
  virtual ~IRecordFileSystem() = default;
  // `path` is a GBK path with backslashes (vjdcfg's own file system takes UTF-8).  Null when the
  // file can neither be opened nor created.
  virtual std::unique_ptr<IRecordFile> OpenOrCreate(const CString& path) = 0;
  // True when something is at `path`.
  virtual bool Exists(const CString& path) = 0;
  // Deletes the file at `path`, which nobody may hold open (Windows refuses that); true when it
  // is gone.
  virtual bool Remove(const CString& path) = 0;
  // Puts on the disk which files the folder of `path` holds, so that a file created or deleted in
  // it stays so after a power cut (fsync of the folder; nothing on Windows, which keeps that by
  // itself).  A folder that cannot be synced is let be: some file systems refuse it.
  virtual void SyncFolder(const CString& path) = 0;
};

}  // namespace vjd::annotation
