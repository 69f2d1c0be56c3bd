#include "StdioFile.h"

namespace vjdcfg {

long StdioFile::Read(void* buffer, std::size_t size) {
  if (file_ == nullptr) return -1;
  std::size_t n = std::fread(buffer, 1, size, file_);
  if (n < size && std::ferror(file_)) return -1;
  return static_cast<long>(n);
}

bool StdioFile::Write(const void* buffer, std::size_t size) {
  return file_ != nullptr && std::fwrite(buffer, 1, size, file_) == size;
}

bool StdioFile::Seek(long long offset) {
  if (file_ == nullptr) return false;
#ifdef _WIN32
  return _fseeki64(file_, offset, SEEK_SET) == 0;
#else
  return fseeko(file_, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

bool StdioFile::Close() {
  if (file_ == nullptr) return ok_;
  bool flushed = std::fflush(file_) == 0 && !std::ferror(file_);
  bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  ok_ = flushed && closed;
  return ok_;
}

}  // namespace vjdcfg
