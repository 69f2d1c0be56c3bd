// The files of the tool, named by UTF-8 paths: on Windows they are opened through the wide
// functions, so any name works whatever the process's code page.  A path is opened as it names a
// file: through symbolic links, and a file is always written where it lies, never replaced by a
// new one, so its links, owner and mode stay.
#pragma once

#include <cstddef>
#include <cstdio>
#include <istream>
#include <string>

namespace vjdcfg {

enum class FileUse {
  kRead,          // a file to read: a regular file
  kReadOrStream,  // a document to read: a regular file or a pipe
  kUpdate,        // a file to read and write in place, created when missing: a regular file
};

// The file that `path` names, opened for `use` in byte mode.  Anything else than the use allows
// (a device, a folder, a FIFO where a regular file is wanted) is refused without being opened for
// writing.  Null with `error` set when the file cannot be opened or is refused.  `created`, when
// given, says whether this call created the file (kUpdate), so that the caller can delete it
// again should it not be able to use it.
std::FILE* OpenFile(const std::string& path, FileUse use, std::string& error,
                    bool* created = nullptr);

// All of `in` (at most `limit` bytes).  False with `error` when it cannot be read or is longer;
// `what` names the input in the message.
bool ReadAll(std::FILE* in, std::size_t limit, const std::string& what, std::string& bytes,
             std::string& error);
bool ReadAll(std::istream& in, std::size_t limit, const std::string& what, std::string& bytes,
             std::string& error);

// fopen of a UTF-8 path, nothing checked: for tests and temporary files.
std::FILE* OpenPath(const std::string& path, const char* mode);
bool FileExists(const std::string& path);
// True when the folder a file at `path` lies in (or would be created in) exists.
bool FolderExists(const std::string& path);
// Deletes the file at `path`; true when it is gone (or was never there).
bool RemoveFile(const std::string& path);
// True when both paths name one existing file (by identity, not by spelling).
bool SameFile(const std::string& a, const std::string& b);
// The system's description of the last failure (errno or GetLastError), for messages; a full disk
// is "no space left on the device" on every system.
std::string LastErrorText();

#ifdef _WIN32
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);
#endif

}  // namespace vjdcfg
