#include <windows.h>

#include "HostDirectory.h"

namespace vjd::annotation {

CString HostExecutableDirectory() {
  char path[MAX_PATH * 2] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  if (n == 0 || n >= sizeof path) return CString();
  CString full(path, static_cast<int>(n));
  // Cut after the last backslash that is not the second byte of a GBK character.
  int cut = -1;
  for (int i = 0; i < full.GetLength(); ++i) {
    unsigned char c = static_cast<unsigned char>(full[i]);
    if (c >= 0x81 && c <= 0xFE && i + 1 < full.GetLength()) {
      ++i;
    } else if (c == '\\') {
      cut = i;
    }
  }
  return full.Left(cut + 1);
}

}  // namespace vjd::annotation
