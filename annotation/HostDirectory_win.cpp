#include <windows.h>

#include <string>

#include "GbkText.h"
#include "HostDirectory.h"

namespace vjd::annotation {

CString HostExecutableDirectory() {
  char path[MAX_PATH * 2] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  if (n == 0 || n >= sizeof path) return CString();
  // Cut after the last backslash that is not the second byte of a GBK character.
  const std::string full(path, n);
  const size_t cut = gbk::FindLast(full, '\\');
  return cut == std::string::npos ? CString() : CString(path, static_cast<int>(cut + 1));
}

}  // namespace vjd::annotation
