// MemoryRecordFileSystem: the one in-memory file system under the configuration file, for every
// test, fuzz target and benchmark (as LevelDB keeps one in-memory Env).  Files are byte strings
// by path; locks are kept per path as a system keeps them (shared ones together, an exclusive one
// alone), so two operations of one process exclude each other.  Faults are switched on by the
// test: a file that cannot be opened, a write, flush, read or close that fails, a lock that
// another program holds beyond the wait, a file system that keeps no locks, and a crash (every
// change after a given write is lost, while the writer goes on as if it had been made).
// Every operation is counted, and accesses that do not keep to whole records can be told.
//
// The file system owns the bytes; a file it hands out refers to them by path and must not
// outlive it.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "RecordFile.h"

namespace vjd::testing {

using annotation::IRecordFile;
using annotation::LockResult;
using annotation::RecordFileLock;

class MemoryRecordFileSystem : public annotation::IRecordFileSystem {
 public:
  // What the test switches on.  A count of N means: the next N calls of the kind fail, then the
  // switch is off again; -1 means every call fails until the test sets it back to 0.
  struct Faults {
    bool unavailable = false;  // OpenOrCreate finds no folder: nothing is opened or created
    int writes = 0;            // a failing write stores its first half, as a full disk may
    int flushes = 0;
    int reads = 0;
    int closes = 0;
    int busyLocks = 0;  // another program holds the lock for the whole wait
    bool locksUnsupported = false;
    // The process dies after this many more writes have reached the file: from then on no
    // change reaches any file, while every call still answers as if it had.  -1: never.
    int crashAfterWrites = -1;
  };

  // How often each operation was called (failing calls included).
  struct Counts {
    int opens = 0;
    int creates = 0;
    int reads = 0;
    int writes = 0;
    int flushes = 0;
    int seeks = 0;
    int sharedLocks = 0;
    int exclusiveLocks = 0;
    int closes = 0;
    long long bytesWritten = 0;
  };

  MemoryRecordFileSystem() = default;
  MemoryRecordFileSystem(const MemoryRecordFileSystem&) = delete;
  MemoryRecordFileSystem& operator=(const MemoryRecordFileSystem&) = delete;

  std::unique_ptr<IRecordFile> OpenOrCreate(const CString& path) override;

  // The files.  Paths are compared byte for byte, as given.
  bool Exists(const std::string& path) const { return files_.count(path) != 0; }
  const std::string& Contents(const std::string& path) const;  // empty for a missing file
  void Put(const std::string& path, std::string bytes) { files_[path] = std::move(bytes); }
  void Remove(const std::string& path) { files_.erase(path); }
  std::vector<std::string> Paths() const;

  // Another program's lock on `path`, held until Release (or until the fake is destroyed).
  void Hold(const std::string& path, RecordFileLock kind);
  void Release(const std::string& path);
  // Locks held now on `path`, by files still open or by Hold.
  int SharedHolders(const std::string& path) const;
  bool ExclusivelyHeld(const std::string& path) const;
  int OpenFiles() const { return open_files_; }

  // Accesses of one file that stray from whole records of `size` bytes (a read or write that
  // starts inside a record or spans two, a seek past the end), described one a line.  Off (0)
  // unless the test sets it.
  void RequireWholeRecords(std::size_t size) { record_size_ = size; }
  const std::vector<std::string>& Strays() const { return strays_; }

  bool Crashed() const { return crashed_; }

  Faults faults;
  Counts counts;

 private:
  class File;
  struct LockState {
    int shared = 0;
    bool exclusive = false;
  };

  // True when the fault switch `count` says this call fails; counts one-shot switches down.
  static bool Fails(int& count);
  // A change that is about to reach the file: false once the process counts as dead.
  bool Reaches();
  void Stray(const std::string& path, const char* what, long long at, std::size_t size);

  std::map<std::string, std::string> files_;
  std::map<std::string, LockState> locks_;
  std::map<std::string, RecordFileLock> held_;  // by Hold
  std::vector<std::string> strays_;
  std::size_t record_size_ = 0;
  int open_files_ = 0;
  bool crashed_ = false;
};

}  // namespace vjd::testing
