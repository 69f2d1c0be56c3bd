#include "StdioRecordFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "GbkText.h"

namespace vjd::annotation {

StdioRecordFile::StdioRecordFile(std::FILE* file, Ownership ownership)
    : file_(file), ownership_(ownership) {
  if (file_ != nullptr && ownership_ == kOwned) std::setvbuf(file_, nullptr, _IOFBF, 64 * 1024);
}

StdioRecordFile::~StdioRecordFile() {
  Close();
}

long StdioRecordFile::Read(void* buffer, std::size_t size) {
  if (file_ == nullptr) return -1;
  std::size_t n = std::fread(buffer, 1, size, file_);
  if (n < size && std::ferror(file_)) return -1;
  return static_cast<long>(n);
}

bool StdioRecordFile::Write(const void* buffer, std::size_t size) {
  return file_ != nullptr && std::fwrite(buffer, 1, size, file_) == size;
}

bool StdioRecordFile::Flush() {
  return file_ != nullptr && std::fflush(file_) == 0 && !std::ferror(file_);
}

bool StdioRecordFile::Seek(long long offset) {
  if (file_ == nullptr) return false;
#ifdef _WIN32
  return _fseeki64(file_, offset, SEEK_SET) == 0;
#else
  return fseeko(file_, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

bool StdioRecordFile::Close() {
  if (file_ == nullptr) return ok_;
  const bool flushed = Flush();
  const bool closed = ownership_ == kBorrowed || std::fclose(file_) == 0;
  file_ = nullptr;
  ok_ = flushed && closed;
  return ok_;
}

StdioRecordFileSystem& StdioRecordFileSystem::Instance() {
  static StdioRecordFileSystem instance;
  return instance;
}

CString StdioRecordFileSystem::NativePath(const CString& path) {
#ifdef _WIN32
  return path;
#else
  // Backslashes at character starts only: the second byte of a GBK character may be 0x5C.
  std::string text(path, path.GetLength());
  for (size_t pos = 0; pos < text.size(); pos += gbk::CharLength(text, pos)) {
    if (text[pos] == '\\') text[pos] = '/';
  }
  return CString(text.data(), static_cast<int>(text.size()));
#endif
}

std::unique_ptr<IRecordFile> StdioRecordFileSystem::OpenOrCreate(const CString& path) {
  CString native = NativePath(path);
#ifdef _WIN32
  int fd = _open(native, _O_RDWR | _O_CREAT | _O_BINARY, _S_IREAD | _S_IWRITE);
  std::FILE* file = fd >= 0 ? _fdopen(fd, "r+b") : nullptr;
  if (fd >= 0 && file == nullptr) _close(fd);
#else
  int fd = ::open(native, O_RDWR | O_CREAT, 0666);
  std::FILE* file = fd >= 0 ? ::fdopen(fd, "r+b") : nullptr;
  if (fd >= 0 && file == nullptr) ::close(fd);
#endif
  if (file == nullptr) return nullptr;
  return std::make_unique<StdioRecordFile>(file);
}

}  // namespace vjd::annotation
