// A record file over a C runtime file: the configuration file read by list, dump and check.
// Owns the file and closes it on Close() or destruction.
#pragma once

#include <cstdio>

#include "RecordFile.h"

namespace vjdcfg {

class StdioFile : public vjd::annotation::IRecordFile {
 public:
  explicit StdioFile(std::FILE* file) : file_(file) {}
  ~StdioFile() override { Close(); }
  StdioFile(const StdioFile&) = delete;
  StdioFile& operator=(const StdioFile&) = delete;

  long Read(void* buffer, std::size_t size) override;
  bool Write(const void* buffer, std::size_t size) override;
  bool Seek(long long offset) override;
  bool Close() override;

 private:
  std::FILE* file_;
  bool ok_ = true;
};

}  // namespace vjdcfg
