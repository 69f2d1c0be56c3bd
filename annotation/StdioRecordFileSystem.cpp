#include "StdioRecordFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <time.h>
#include <unistd.h>
#endif

#include "GbkText.h"

namespace vjd::annotation {
namespace {

enum class LockTry { kHeld, kBusy, kUnsupported, kFailed };

#ifdef _WIN32
// Windows locks byte ranges, and a range one handle holds can be neither read nor written through
// another.  So the lock lies on one byte far beyond any data the file will ever hold: it orders
// the programs that take it, while a reader that takes none still reads every record.  A shared
// lock on the range excludes only an exclusive one, as on any range.  (A lock file beside the
// configuration file would need write access to its folder and leave a second file there.)
constexpr DWORD kLockOffsetHigh = 0x40000000;  // byte 2^62

HANDLE HandleOf(std::FILE* file) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
}

LockTry TryLock(std::FILE* file, RecordFileLock kind) {
  OVERLAPPED at = {};
  at.OffsetHigh = kLockOffsetHigh;
  DWORD flags = LOCKFILE_FAIL_IMMEDIATELY;
  if (kind == RecordFileLock::kExclusive) flags |= LOCKFILE_EXCLUSIVE_LOCK;
  if (LockFileEx(HandleOf(file), flags, 0, 1, 0, &at)) return LockTry::kHeld;
  switch (GetLastError()) {
    case ERROR_LOCK_VIOLATION:
      return LockTry::kBusy;
    case ERROR_NOT_SUPPORTED:
    case ERROR_INVALID_FUNCTION:  // what some redirectors answer for a lock they cannot keep
      return LockTry::kUnsupported;
    default:
      return LockTry::kFailed;
  }
}

// Closing the handle frees its locks only some time later, so the lock is freed first.
void ReleaseLock(std::FILE* file) {
  OVERLAPPED at = {};
  at.OffsetHigh = kLockOffsetHigh;
  UnlockFileEx(HandleOf(file), 0, 1, 0, &at);
}

void Pause(int ms) {
  Sleep(static_cast<DWORD>(ms));
}
#else
// An open-file-description lock (F_OFD_SETLK) on the byte at 2^62, length 1.  It belongs to the
// open file, as flock's does, so two operations of one process exclude each other as two processes
// do, and it goes with the last descriptor.  Unlike flock it meets the POSIX record lock that
// wineserver takes on that same byte for a Windows program's LockFileEx (above), and on NFS it
// becomes the server's byte-range lock.
constexpr off_t kLockOffset = off_t{1} << 62;

int SetLock(std::FILE* file, short type) {
  struct flock at = {};
  at.l_type = type;
  at.l_whence = SEEK_SET;
  at.l_start = kLockOffset;
  at.l_len = 1;
  return ::fcntl(::fileno(file), F_OFD_SETLK, &at);
}

LockTry TryLock(std::FILE* file, RecordFileLock kind) {
  if (SetLock(file, kind == RecordFileLock::kExclusive ? F_WRLCK : F_RDLCK) == 0) {
    return LockTry::kHeld;
  }
  if (errno == EAGAIN || errno == EACCES || errno == EINTR) return LockTry::kBusy;
  return errno == ENOLCK || errno == EOPNOTSUPP || errno == ENOSYS ? LockTry::kUnsupported
                                                                   : LockTry::kFailed;
}

void ReleaseLock(std::FILE* file) {
  SetLock(file, F_UNLCK);
}

void Pause(int ms) {
  struct timespec pause = {ms / 1000, (ms % 1000) * 1000000L};
  ::nanosleep(&pause, nullptr);
}
#endif

}  // namespace

StdioRecordFile::StdioRecordFile(std::FILE* file, Ownership ownership, int lock_wait_ms)
    : file_(file), ownership_(ownership), lock_wait_ms_(lock_wait_ms) {
  if (file_ != nullptr && ownership_ == kOwned) std::setvbuf(file_, nullptr, _IOFBF, 64 * 1024);
}

StdioRecordFile::~StdioRecordFile() {
  Close();
}

// A stream keeps its error flag after a failed call, and every flush after it would fail too:
// each call reports its own failure and clears the flag, so the calls that put the old bytes back
// after a failed write (a full disk) can succeed.
bool StdioRecordFile::Failed() {
  if (!std::ferror(file_)) return false;
  std::clearerr(file_);
  return true;
}

long StdioRecordFile::Read(void* buffer, std::size_t size) {
  if (file_ == nullptr) return -1;
  std::size_t n = std::fread(buffer, 1, size, file_);
  if (n < size && Failed()) return -1;
  return static_cast<long>(n);
}

bool StdioRecordFile::Write(const void* buffer, std::size_t size) {
  if (file_ == nullptr) return false;
  if (std::fwrite(buffer, 1, size, file_) == size) return true;
  Failed();
  return false;
}

bool StdioRecordFile::Flush() {
  if (file_ == nullptr) return false;
  const bool flushed = std::fflush(file_) == 0;
  return !Failed() && flushed;
}

bool StdioRecordFile::Sync() {
  if (!Flush()) return false;
#ifdef _WIN32
  return FlushFileBuffers(HandleOf(file_)) != 0;
#else
  return ::fsync(::fileno(file_)) == 0;
#endif
}

bool StdioRecordFile::Seek(long long offset) {
  if (file_ == nullptr) return false;
#ifdef _WIN32
  const bool sought = _fseeki64(file_, offset, SEEK_SET) == 0;
#else
  const bool sought = fseeko(file_, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
  // A seek first writes what waits in the buffer: a full disk may show here.
  return !Failed() && sought;
}

LockResult StdioRecordFile::Lock(RecordFileLock kind) {
  if (file_ == nullptr) return LockResult::kFailed;
  if (locked_) return LockResult::kHeld;
  // Polled, with short pauses: neither system waits for a lock for a bounded time by itself.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(lock_wait_ms_);
  int pause_ms = 1;
  for (;;) {
    const LockTry tried = TryLock(file_, kind);
    if (tried == LockTry::kHeld) {
      locked_ = true;
      return LockResult::kHeld;
    }
    if (tried == LockTry::kUnsupported) return LockResult::kUnsupported;
    if (tried == LockTry::kFailed) return LockResult::kFailed;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                          deadline - std::chrono::steady_clock::now())
                          .count();
    if (left <= 0) return LockResult::kBusy;
    Pause(static_cast<int>(left < pause_ms ? left : pause_ms));
    if (pause_ms < 4) pause_ms *= 2;
  }
}

void StdioRecordFile::Unlock() {
  if (!locked_) return;
  ReleaseLock(file_);
  locked_ = false;
}

bool StdioRecordFile::Truncate(long long size) {
  if (size < 0 || !Flush()) return false;
#ifdef _WIN32
  LARGE_INTEGER end;
  end.QuadPart = size;
  HANDLE handle = HandleOf(file_);
  return SetFilePointerEx(handle, end, nullptr, FILE_BEGIN) && SetEndOfFile(handle) && Seek(size);
#else
  return ::ftruncate(::fileno(file_), static_cast<off_t>(size)) == 0;
#endif
}

long long StdioRecordFile::Length() {
  if (file_ == nullptr || !Flush()) return -1;
#ifdef _WIN32
  LARGE_INTEGER size;
  return GetFileSizeEx(HandleOf(file_), &size) ? size.QuadPart : -1;
#else
  struct stat status;
  return ::fstat(::fileno(file_), &status) == 0 ? static_cast<long long>(status.st_size) : -1;
#endif
}

bool StdioRecordFile::Close() {
  if (file_ == nullptr) return ok_;
  const bool flushed = Flush();  // every byte in the file before another program may look
  Unlock();
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

bool StdioRecordFileSystem::Exists(const CString& path) {
  const CString native = NativePath(path);
#ifdef _WIN32
  return GetFileAttributesA(native) != INVALID_FILE_ATTRIBUTES;
#else
  struct stat st;
  return ::lstat(native, &st) == 0;
#endif
}

bool StdioRecordFileSystem::Remove(const CString& path) {
  const CString native = NativePath(path);
#ifdef _WIN32
  return DeleteFileA(native) || GetLastError() == ERROR_FILE_NOT_FOUND;
#else
  return ::unlink(native) == 0 || errno == ENOENT;
#endif
}

void StdioRecordFileSystem::SyncFolder(const CString& path) {
  SyncFolderOf(std::string(NativePath(path)));
}

void StdioRecordFileSystem::SyncFolderOf(const std::string& native_path) {
#ifdef _WIN32
  (void)native_path;  // the file system keeps its folders' entries by itself
#else
  const std::size_t slash = native_path.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string(".")
                             : slash == 0               ? std::string("/")
                                                        : native_path.substr(0, slash);
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
#endif
}

std::unique_ptr<IRecordFile> StdioRecordFileSystem::OpenOrCreate(const CString& path) {
  CString native = NativePath(path);
#ifdef _WIN32
  int fd = _open(native, _O_RDWR | _O_CREAT | _O_BINARY, _S_IREAD | _S_IWRITE);
  std::FILE* file = fd >= 0 ? _fdopen(fd, "r+b") : nullptr;
  if (fd >= 0 && file == nullptr) _close(fd);
#else
  int fd = ::open(native, O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  std::FILE* file = fd >= 0 ? ::fdopen(fd, "r+b") : nullptr;
  if (fd >= 0 && file == nullptr) ::close(fd);
#endif
  if (file == nullptr) return nullptr;
  return std::make_unique<StdioRecordFile>(file, StdioRecordFile::kOwned, lock_wait_ms_);
}

}  // namespace vjd::annotation
