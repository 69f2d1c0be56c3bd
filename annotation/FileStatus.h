// FileStatus: what happened to one operation on the configuration file.  The file layer says what
// went wrong and shows nothing; the window, which talks to the user, reports it.
#pragma once

namespace vjd::annotation {

class FileStatus {
 public:
  FileStatus() = default;  // done (or found)

  // The file holds no record of the kind: no error.
  static FileStatus NotFound() { return FileStatus(Code::kNotFound); }
  // The file could neither be opened nor created (its folder is missing, for example).
  static FileStatus Unavailable() { return FileStatus(Code::kUnavailable); }
  // Opened, but a read, write or flush failed.
  static FileStatus IoError() { return FileStatus(Code::kIoError); }
  // Another program held the file's lock for the whole wait: nothing was read or changed.
  static FileStatus Busy() { return FileStatus(Code::kBusy); }

  bool ok() const { return m_code == Code::kOk; }
  bool IsNotFound() const { return m_code == Code::kNotFound; }
  bool IsUnavailable() const { return m_code == Code::kUnavailable; }
  bool IsIoError() const { return m_code == Code::kIoError; }
  bool IsBusy() const { return m_code == Code::kBusy; }
  // The file could not be used as asked: unavailable, an I/O error or busy.
  bool Failed() const { return IsUnavailable() || IsIoError() || IsBusy(); }

  // A short English description, for command-line tools and test output.
  const char* ToString() const {
    static const char* const kTexts[] = {
        "ok", "no record of the kind", "the file can neither be opened nor created",
        "a read or write of the file failed", "another program is using the file"};
    return kTexts[static_cast<int>(m_code)];
  }

  friend bool operator==(const FileStatus& a, const FileStatus& b) { return a.m_code == b.m_code; }
  friend bool operator!=(const FileStatus& a, const FileStatus& b) { return !(a == b); }

 private:
  enum class Code {
    kOk,
    kNotFound,
    kUnavailable,
    kIoError,
    kBusy
  };  // in the order of ToString's texts
  explicit FileStatus(Code code) : m_code(code) {}

  Code m_code = Code::kOk;
};

}  // namespace vjd::annotation
