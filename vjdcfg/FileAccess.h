// The files of the tool, named by UTF-8 paths: on Windows they are opened through the wide
// functions, so any name works whatever the process's code page.
#pragma once

#include <cstdio>
#include <string>

namespace vjdcfg {

std::FILE* OpenFile(const std::string& path, const char* mode);
// The whole file; false when it cannot be opened or read.
bool ReadFileBytes(const std::string& path, std::string& bytes);
bool FileExists(const std::string& path);
// True when both paths name one existing file (by identity, not by spelling).
bool SameFile(const std::string& a, const std::string& b);
bool RemoveFile(const std::string& path);
// Puts `from` in the place of `to` in one step, replacing `to` when it exists.
bool RenameOver(const std::string& from, const std::string& to);
// The system's description of the last failure (errno or GetLastError), for messages.
std::string LastErrorText();

#ifdef _WIN32
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);
#endif

}  // namespace vjdcfg
