// StdioRecordFileSystem: the real file access under the configuration file, on the C runtime's
// buffered files.  On Windows the GBK path goes to the runtime as it is (the process's code page
// is 936); elsewhere its backslashes become slashes, with the second byte of a double-byte GBK
// character never mistaken for one.  Stateless; one shared instance serves every caller.
#pragma once

#include <cstdio>

#include "RecordFile.h"

namespace vjd::annotation {

// One file of the C runtime, opened for update in byte mode, seen as a record file.  An owned file
// is closed by Close() or on destruction; a borrowed one is only flushed and stays open.
class StdioRecordFile : public IRecordFile {
 public:
  enum Ownership { kOwned, kBorrowed };
  explicit StdioRecordFile(std::FILE* file, Ownership ownership = kOwned);
  ~StdioRecordFile() override;
  StdioRecordFile(const StdioRecordFile&) = delete;
  StdioRecordFile& operator=(const StdioRecordFile&) = delete;

  long Read(void* buffer, std::size_t size) override;
  bool Write(const void* buffer, std::size_t size) override;
  bool Flush() override;
  bool Seek(long long offset) override;
  bool Close() override;

 private:
  std::FILE* file_;
  Ownership ownership_;
  bool ok_ = true;
};

class StdioRecordFileSystem : public IRecordFileSystem {
 public:
  std::unique_ptr<IRecordFile> OpenOrCreate(const CString& path) override;

  static StdioRecordFileSystem& Instance();
  // The path as the C runtime of this platform wants it.
  static CString NativePath(const CString& path);
};

}  // namespace vjd::annotation
