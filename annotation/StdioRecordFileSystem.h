// StdioRecordFileSystem: the real file access under the configuration file, on the C runtime's
// buffered files.  On Windows the GBK path goes to the runtime as it is (the process's code page
// is 936); elsewhere its backslashes become slashes, with the second byte of a double-byte GBK
// character never mistaken for one.  Holds only how long a lock is waited for; the shared
// instance waits kDefaultLockWaitMs.
#pragma once

#include <cstdio>
#include <string>

#include "RecordFile.h"

namespace vjd::annotation {

// How long an operation waits for another program's lock on the file before it gives up.
inline constexpr int kDefaultLockWaitMs = 5000;

// One file of the C runtime, opened for update in byte mode, seen as a record file.  An owned file
// is closed by Close() or on destruction; a borrowed one is only flushed and stays open.
class StdioRecordFile : public IRecordFile {
 public:
  enum Ownership { kOwned, kBorrowed };
  explicit StdioRecordFile(std::FILE* file, Ownership ownership = kOwned,
                           int lock_wait_ms = kDefaultLockWaitMs);
  ~StdioRecordFile() override;
  StdioRecordFile(const StdioRecordFile&) = delete;
  StdioRecordFile& operator=(const StdioRecordFile&) = delete;

  long Read(void* buffer, std::size_t size) override;
  bool Write(const void* buffer, std::size_t size) override;
  bool Flush() override;
  bool Seek(long long offset) override;
  bool Close() override;
  LockResult Lock(RecordFileLock kind) override;
  bool Truncate(long long size) override;
  long long Length() override;
  bool Sync() override;

 private:
  void Unlock();
  // True when the last call on the stream failed; clears the stream's error flag.
  bool Failed();

  std::FILE* file_;
  Ownership ownership_;
  int lock_wait_ms_;
  bool ok_ = true;
  bool locked_ = false;
};

class StdioRecordFileSystem : public IRecordFileSystem {
 public:
  explicit StdioRecordFileSystem(int lock_wait_ms = kDefaultLockWaitMs)
      : lock_wait_ms_(lock_wait_ms) {}

  std::unique_ptr<IRecordFile> OpenOrCreate(const CString& path) override;
  bool Exists(const CString& path) override;
  bool Remove(const CString& path) override;
  void SyncFolder(const CString& path) override;

  static StdioRecordFileSystem& Instance();
  // fsync of the folder that holds the file at `native_path` (a path NativePath gives, or any
  // path of the platform's C runtime); nothing on Windows.  A folder that cannot be synced (some
  // file systems refuse) is let be, as SQLite lets it be.
  static void SyncFolderOf(const std::string& native_path);
  // The path as the C runtime of this platform wants it.
  static CString NativePath(const CString& path);

 private:
  int lock_wait_ms_;
};

}  // namespace vjd::annotation
