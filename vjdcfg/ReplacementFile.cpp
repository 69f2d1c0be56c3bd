#include "ReplacementFile.h"

#include "StdioRecordFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <cerrno>

#include <utility>

#include "FileAccess.h"

#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <unistd.h>
#endif

namespace vjdcfg {
namespace {

// Creates a new file of a fresh name beginning with `stem`; its name goes to `name`.
std::FILE* CreateUnique(const std::string& stem, std::string& name) {
#ifdef _WIN32
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = stem + std::to_string(_getpid()) + "-" + std::to_string(attempt);
    int fd =
        _wopen(Widen(name).c_str(), _O_RDWR | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return nullptr;
    }
    std::FILE* file = _fdopen(fd, "w+b");
    if (file == nullptr) _close(fd);
    return file;
  }
  return nullptr;
#else
  std::string pattern = stem + "XXXXXX";
  int fd = ::mkstemp(&pattern[0]);
  if (fd < 0) return nullptr;
  name = pattern;
  std::FILE* file = ::fdopen(fd, "w+b");
  if (file == nullptr) ::close(fd);
  return file;
#endif
}

#ifndef _WIN32
// The new file gets the target's permissions, or those a newly created file would get.
void TakePermissions(std::FILE* file, const std::string& target) {
  struct stat st;
  mode_t mode;
  if (::stat(target.c_str(), &st) == 0) {
    mode = st.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  ::fchmod(::fileno(file), mode);
}
#endif

}  // namespace

ReplacementFile::ReplacementFile(std::string target) : target_(std::move(target)) {}

ReplacementFile::~ReplacementFile() {
  Discard();
}

void ReplacementFile::Discard() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  if (!temp_.empty()) RemoveFile(temp_);
  temp_.clear();
}

bool ReplacementFile::Create(const std::string& bytes, std::string& error) {
  Discard();
  file_ = CreateUnique(target_ + ".vjdcfg-", temp_);
  if (file_ == nullptr) {
    error = "cannot create a temporary file beside " + target_ + ": " + LastErrorText();
    temp_.clear();
    return false;
  }
#ifndef _WIN32
  TakePermissions(file_, target_);
#endif
  if ((!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) ||
      std::fflush(file_) != 0) {
    error = "cannot write " + temp_ + ": " + LastErrorText();
    Discard();
    return false;
  }
  return true;
}

std::unique_ptr<vjd::annotation::IRecordFile> ReplacementFile::OpenOrCreate(const CString&) {
  if (file_ == nullptr || std::fseek(file_, 0, SEEK_SET) != 0) return nullptr;
  return std::make_unique<vjd::annotation::StdioRecordFile>(
      file_, vjd::annotation::StdioRecordFile::kBorrowed);
}

bool ReplacementFile::Commit(std::string& error) {
  if (file_ == nullptr) {
    error = "nothing to write";
    return false;
  }
  bool flushed = std::fflush(file_) == 0 && !std::ferror(file_);
#ifdef _WIN32
  flushed = flushed && _commit(_fileno(file_)) == 0;
#else
  flushed = flushed && ::fsync(::fileno(file_)) == 0;
#endif
  bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (!flushed || !closed) {
    error = "cannot write " + temp_ + ": " + LastErrorText();
    Discard();
    return false;
  }
  if (!RenameOver(temp_, target_)) {
    error = "cannot replace " + target_ + ": " + LastErrorText();
    Discard();
    return false;
  }
  temp_.clear();
  return true;
}

}  // namespace vjdcfg
