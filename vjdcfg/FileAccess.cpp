#include "FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace vjdcfg {
namespace {

const char kNoSpace[] = "no space left on the device";

std::string Refused(const std::string& path, FileUse use) {
  return path + " is not a regular file" + (use == FileUse::kReadOrStream ? " or a pipe" : "") +
         "; it is left alone";
}

// The folder part of `path` with its last separator (one of `separators`), so that a root or a
// share stays one; "." for a bare name.
std::string FolderOf(const std::string& path, const char* separators) {
  const std::size_t last = path.find_last_of(separators);
  return last == std::string::npos ? std::string(".") : path.substr(0, last + 1);
}

std::string CannotOpen(const std::string& path, FileUse use) {
  return std::string(use == FileUse::kUpdate ? "cannot write " : "cannot read ") + path + ": " +
         LastErrorText();
}

}  // namespace

#ifdef _WIN32

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return std::wstring();
  const int size = static_cast<int>(utf8.size());
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, &wide[0], n);
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  const int size = static_cast<int>(wide.size());
  int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, &out[0], n, nullptr, nullptr);
  return out;
}

std::FILE* OpenPath(const std::string& path, const char* mode) {
  return _wfopen(Widen(path).c_str(), Widen(mode).c_str());
}

std::FILE* OpenFile(const std::string& path, FileUse use, std::string& error, bool* created) {
  if (created != nullptr) *created = false;
  const std::wstring wide = Widen(path);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    error = Refused(path, use);
    return nullptr;
  }
  const bool update = use == FileUse::kUpdate;
  int fd = _wopen(wide.c_str(), (update ? _O_RDWR : _O_RDONLY) | _O_BINARY);
  if (fd < 0 && update && errno == ENOENT) {
    fd = _wopen(wide.c_str(), _O_RDWR | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd >= 0 && created != nullptr) *created = true;
    if (fd < 0 && errno == EEXIST) fd = _wopen(wide.c_str(), _O_RDWR | _O_BINARY);
  }
  if (fd < 0) {
    error = CannotOpen(path, use);
    return nullptr;
  }
  const DWORD type = GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(fd)));
  if (type != FILE_TYPE_DISK && !(use == FileUse::kReadOrStream && type == FILE_TYPE_PIPE)) {
    _close(fd);
    error = Refused(path, use);
    return nullptr;
  }
  std::FILE* file = _wfdopen(fd, update ? L"r+b" : L"rb");
  if (file == nullptr) {
    error = CannotOpen(path, use);
    _close(fd);
  }
  return file;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool RemoveFile(const std::string& path) {
  return DeleteFileW(Widen(path).c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

bool FolderExists(const std::string& path) {
  const std::string folder = FolderOf(path, "/\\");
  if (folder.size() == 2 && folder[1] == ':') return true;  // a drive's current folder
  const DWORD attributes = GetFileAttributesW(Widen(folder).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool SameFile(const std::string& a, const std::string& b) {
  auto identity = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
    HANDLE h =
        CreateFileW(Widen(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool ok = GetFileInformationByHandle(h, &info) != 0;
    CloseHandle(h);
    return ok;
  };
  BY_HANDLE_FILE_INFORMATION ia, ib;
  if (!identity(a, ia) || !identity(b, ib)) return false;
  return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
         ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
}

std::string LastErrorText() {
  DWORD code = GetLastError();
  if (code == ERROR_DISK_FULL || code == ERROR_HANDLE_DISK_FULL || (code == 0 && errno == ENOSPC)) {
    return kNoSpace;
  }
  if (code == 0) return std::strerror(errno);
  wchar_t* text = nullptr;
  FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
      reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string out = text ? Narrow(text) : std::string();
  if (text) LocalFree(text);
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == '.')) {
    out.pop_back();
  }
  return out.empty() ? "error " + std::to_string(code) : out;
}

#else

std::FILE* OpenPath(const std::string& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

std::FILE* OpenFile(const std::string& path, FileUse use, std::string& error, bool* created) {
  if (created != nullptr) *created = false;
  // Looked at before it is opened: opening a device can do something by itself.
  struct stat st;
  const auto allowed = [use](mode_t mode) {
    return S_ISREG(mode) || (use == FileUse::kReadOrStream && S_ISFIFO(mode));
  };
  if (::stat(path.c_str(), &st) == 0 && !allowed(st.st_mode)) {
    error = Refused(path, use);
    return nullptr;
  }
  const bool update = use == FileUse::kUpdate;
  // Not blocking, should a FIFO take the file's place meanwhile; then looked at again.
  const int flags = (update ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC;
  int fd = ::open(path.c_str(), flags);
  if (fd < 0 && update && errno == ENOENT) {
    fd = ::open(path.c_str(), flags | O_CREAT | O_EXCL, 0666);
    if (fd >= 0 && created != nullptr) *created = true;
    if (fd < 0 && errno == EEXIST) fd = ::open(path.c_str(), flags);
  }
  if (fd < 0) {
    error = CannotOpen(path, use);
    return nullptr;
  }
  if (::fstat(fd, &st) != 0 || !allowed(st.st_mode)) {
    ::close(fd);
    error = Refused(path, use);
    return nullptr;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE* file = ::fdopen(fd, update ? "r+b" : "rb");
  if (file == nullptr) {
    error = CannotOpen(path, use);
    ::close(fd);
  }
  return file;
}

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

bool RemoveFile(const std::string& path) {
  return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool FolderExists(const std::string& path) {
  struct stat st;
  return ::stat(FolderOf(path, "/").c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa, sb;
  if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::string LastErrorText() {
  return errno == ENOSPC ? kNoSpace : std::strerror(errno);
}

#endif

bool ReadAll(std::FILE* in, std::size_t limit, const std::string& what, std::string& bytes,
             std::string& error) {
  bytes.clear();  // the room it had stays
  char buffer[64 * 1024];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
    if (bytes.size() + n > limit) {
      error = what + " is longer than " + std::to_string(limit >> 20) +
              " MiB; a configuration is far smaller";
      return false;
    }
    bytes.append(buffer, n);
  }
  if (std::ferror(in)) {
    error = "cannot read " + what + ": " + LastErrorText();
    return false;
  }
  return true;
}

bool ReadAll(std::istream& in, std::size_t limit, const std::string& what, std::string& bytes,
             std::string& error) {
  bytes.clear();
  char buffer[64 * 1024];
  while (in) {
    in.read(buffer, sizeof buffer);
    const std::size_t n = static_cast<std::size_t>(in.gcount());
    if (bytes.size() + n > limit) {
      error = what + " is longer than " + std::to_string(limit >> 20) +
              " MiB; a configuration is far smaller";
      return false;
    }
    bytes.append(buffer, n);
  }
  if (in.bad()) {
    error = "cannot read " + what;
    return false;
  }
  return true;
}

}  // namespace vjdcfg
