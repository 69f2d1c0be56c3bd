// vjdcfg's entry point: the command line in UTF-8 (on Windows from the wide command line, so no
// argument depends on the process's code page), the tool, and what it wrote sent to the console
// (on Windows as UTF-16 when the stream is a console window, else as the UTF-8 bytes).  A write
// to standard output that fails, or its final flush, ends the program with status 2 and a message.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "GbkConverter.h"
#include "Vjdcfg.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h:
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include "FileAccess.h"
#endif

namespace {

// Writes all of `utf8`; false when a write or the flush fails (a full disk, a closed pipe).
#ifdef _WIN32
bool Emit(std::FILE* stream, DWORD handle_id, const std::string& utf8) {
  if (utf8.empty()) return std::fflush(stream) == 0;
  HANDLE handle = GetStdHandle(handle_id);
  DWORD mode = 0;
  if (handle != INVALID_HANDLE_VALUE && GetFileType(handle) == FILE_TYPE_CHAR &&
      GetConsoleMode(handle, &mode)) {
    std::wstring wide = vjdcfg::Widen(utf8);
    DWORD written = 0;
    return WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) &&
           written == wide.size();
  }
  return std::fwrite(utf8.data(), 1, utf8.size(), stream) == utf8.size() &&
         std::fflush(stream) == 0 && !std::ferror(stream);
}
#else
bool Emit(std::FILE* stream, int, const std::string& utf8) {
  return std::fwrite(utf8.data(), 1, utf8.size(), stream) == utf8.size() &&
         std::fflush(stream) == 0 && !std::ferror(stream);
}
#endif

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args;
#ifdef _WIN32
  (void)argc;
  (void)argv;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; wide != nullptr && i < count; ++i) args.push_back(vjdcfg::Narrow(wide[i]));
  if (wide != nullptr) LocalFree(wide);
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  const DWORD out_id = STD_OUTPUT_HANDLE, err_id = STD_ERROR_HANDLE;
#else
  for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
  const int out_id = 1, err_id = 2;
#endif
  std::ostringstream out, err;
  int status = vjdcfg::Run(args, std::cin, out, err);
  if (!Emit(stdout, out_id, out.str())) {
    // What went to standard output is incomplete (a dump cut short is no backup): say so.
    const std::string why = std::strerror(errno);
    err << "vjdcfg: cannot write to standard output: " << why << "\n";
    status = vjdcfg::kExitFileError;
  }
  if (!Emit(stderr, err_id, err.str())) status = vjdcfg::kExitFileError;
  return status;
}
