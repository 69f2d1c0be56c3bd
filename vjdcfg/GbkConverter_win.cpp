// The GBK conversions of Windows builds: code page 936 named explicitly, through UTF-16, with
// invalid sequences and best-fit or default characters refused.
#include <windows.h>

#include "GbkConverter.h"

namespace vjdcfg::platform {
namespace {

constexpr UINT kGbkCodePage = 936;

bool ToWide(UINT code_page, const std::string& in, std::wstring& wide) {
  wide.clear();
  if (in.empty()) return true;
  const int size = static_cast<int>(in.size());
  int n = MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, in.data(), size, nullptr, 0);
  if (n <= 0) return false;
  wide.resize(static_cast<std::size_t>(n));
  return MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, in.data(), size, &wide[0], n) == n;
}

bool FromWide(UINT code_page, const std::wstring& wide, std::string& out) {
  out.clear();
  if (wide.empty()) return true;
  const int size = static_cast<int>(wide.size());
  // UTF-8 takes neither a default character nor best-fit flags; code page 936 takes both.
  const DWORD flags = code_page == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL used_default = FALSE;
  BOOL* used = code_page == CP_UTF8 ? nullptr : &used_default;
  int n = WideCharToMultiByte(code_page, flags, wide.data(), size, nullptr, 0, nullptr, used);
  if (n <= 0 || used_default) return false;
  out.resize(static_cast<std::size_t>(n));
  n = WideCharToMultiByte(code_page, flags, wide.data(), size, &out[0], n, nullptr, used);
  return n == static_cast<int>(out.size()) && !used_default;
}

}  // namespace

bool GbkToUtf8(const std::string& gbk, std::string& out) {
  std::wstring wide;
  return ToWide(kGbkCodePage, gbk, wide) && FromWide(CP_UTF8, wide, out);
}

bool Utf8ToGbk(const std::string& utf8, std::string& out) {
  std::wstring wide;
  return ToWide(CP_UTF8, utf8, wide) && FromWide(kGbkCodePage, wide, out);
}

}  // namespace vjdcfg::platform
