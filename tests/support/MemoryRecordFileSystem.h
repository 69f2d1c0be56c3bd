// MemoryRecordFileSystem: the one in-memory file system under the configuration file, for every
// test, fuzz target and benchmark (as LevelDB keeps one in-memory Env).  Files are byte strings
// by path; locks are kept per path as a system keeps them (shared ones together, an exclusive one
// alone), so two operations of one process exclude each other.  Faults are switched on by the
// test: a file that cannot be opened, a write, flush, read, sync, truncation or close that fails,
// a folder in which no file can be created or deleted, a lock that another program holds beyond
// the wait, a file system that keeps no locks, and a crash (every change after a given one is
// lost, while the writer goes on as if it had been made).
//
// It also keeps what a power cut would leave, as a disk does: a file's bytes as of its last
// Sync, any of the changes made since (in any order: a disk writes its cache back as it
// pleases), and which files a folder holds as of its last SyncFolder.  Restart() lets the next
// program run after a crash, with or without a power cut.
// Every operation is counted, and accesses that do not keep to whole records can be told.
//
// The file system owns the bytes; a file it hands out refers to them by path and must not
// outlive it.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <set>
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
    bool unavailable = false;     // OpenOrCreate finds no folder: nothing is opened or created
    bool readOnlyFolder = false;  // existing files open, but none is created or deleted
    int writes = 0;               // a failing write stores its first half, as a full disk may
    int flushes = 0;
    int reads = 0;
    int syncs = 0;
    int truncates = 0;
    int closes = 0;
    int busyLocks = 0;  // another program holds the lock for the whole wait
    bool locksUnsupported = false;
    // The N-th call from now (1 the next) that can fail fails: an open, lock (busy), read,
    // write, flush, sync, truncation, deletion or close, whichever comes.  0: off.  For walks
    // over every call.
    int failCall = 0;
    // The process dies after this many more changes have reached the files (a write, a
    // truncation, a sync, a file created or deleted each count as one): from then on no change
    // reaches any file, while every call still answers as if it had.  -1: never.
    int crashAfterWrites = -1;
  };

  // How often each operation was called (failing calls included).
  struct Counts {
    int opens = 0;
    int creates = 0;
    int reads = 0;
    int writes = 0;
    int flushes = 0;
    int syncs = 0;
    int folderSyncs = 0;
    int truncates = 0;
    int removes = 0;
    int seeks = 0;
    int sharedLocks = 0;
    int exclusiveLocks = 0;
    int closes = 0;
    int fallible = 0;  // calls that can fail, of every kind (what failCall counts)
    long long bytesWritten = 0;
  };

  MemoryRecordFileSystem() = default;
  MemoryRecordFileSystem(const MemoryRecordFileSystem&) = delete;
  MemoryRecordFileSystem& operator=(const MemoryRecordFileSystem&) = delete;

  std::unique_ptr<IRecordFile> OpenOrCreate(const CString& path) override;
  bool Exists(const CString& path) override;
  bool Remove(const CString& path) override;
  void SyncFolder(const CString& path) override;

  // The files.  Paths are compared byte for byte, as given; a folder is what precedes the last
  // backslash or slash.
  bool Has(const std::string& path) const { return files_.count(path) != 0; }
  const std::string& Contents(const std::string& path) const;  // empty for a missing file
  // A file as if it had been there long before: on the disk too.
  void Put(const std::string& path, std::string bytes);
  std::vector<std::string> Paths() const;

  // The program that crashed (or any program) is gone: its locks with it, and the crash switch
  // is off; its files must be closed.  After a power cut the files are what the disk kept: with
  // `seed` 0 nothing written since a file's last Sync, else a random choice of those changes,
  // drawn from `seed`.
  void Restart(bool power_cut, unsigned seed = 0);

  // Another program's lock on `path`, held until Release (or until the fake is destroyed).
  void Hold(const std::string& path, RecordFileLock kind);
  void Release(const std::string& path);
  int OpenFiles() const { return open_files_; }

  // Accesses of the file at `path` that stray from whole records of `size` bytes (a read or
  // write that starts inside a record or spans two, a seek past the end), described one a line.
  // Off unless the test sets it.
  void RequireWholeRecords(const std::string& path, std::size_t size) {
    record_path_ = path;
    record_size_ = size;
  }
  const std::vector<std::string>& Strays() const { return strays_; }

  bool Crashed() const { return crashed_; }

  Faults faults;
  Counts counts;

 private:
  class File;
  struct LockState {
    int shared = 0;
    bool exclusive = false;
    void Take(RecordFileLock kind) {
      kind == RecordFileLock::kShared ? ++shared : exclusive = true;
    }
    void Drop(RecordFileLock kind) {
      kind == RecordFileLock::kShared ? --shared : exclusive = false;
    }
  };
  // A change not yet synced: bytes written at `at`, or the file cut to `at` bytes.
  struct Pending {
    bool truncate;
    std::size_t at;
    std::string bytes;
  };
  static void Apply(std::string& bytes, const Pending& change);

  // True when the fault switch `count`, or failCall, says this call fails; counts them down.
  bool Fails(int& count);
  // A change that is about to reach the files: false once the process counts as dead.
  bool Reaches();
  static std::string FolderOf(const std::string& path);
  void Stray(const std::string& path, const char* what, long long at, std::size_t size);

  std::map<std::string, std::string> files_;             // as programs see them
  std::map<std::string, std::string> synced_;            // each file's bytes as of its last Sync
  std::map<std::string, std::vector<Pending>> pending_;  // each file's changes since
  std::set<std::string> named_;                          // the files the disk's folders hold
  std::map<std::string, int> open_;                      // open files by path
  std::map<std::string, LockState> locks_;
  std::map<std::string, RecordFileLock> held_;  // by Hold
  std::vector<std::string> strays_;
  std::string record_path_;
  std::size_t record_size_ = 0;
  int open_files_ = 0;
  bool crashed_ = false;
};

}  // namespace vjd::testing
