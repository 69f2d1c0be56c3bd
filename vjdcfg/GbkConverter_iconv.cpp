// The GBK conversions of native builds: glibc's iconv, whose "GBK" is code page 936 (with the
// euro sign at 0x80) without its user-defined characters.
#include <iconv.h>

#include <vector>

#include "GbkConverter.h"

namespace vjdcfg::platform {
namespace {

bool Convert(const char* to, const char* from, const std::string& in, std::string& out) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::vector<char> buffer(in.size() * 4 + 16);
  char* in_pos = const_cast<char*>(in.data());
  std::size_t in_left = in.size();
  char* out_pos = buffer.data();
  std::size_t out_left = buffer.size();
  // A result other than 0 counts characters converted in some inexact way: not wanted here.
  bool ok = iconv(cd, &in_pos, &in_left, &out_pos, &out_left) == 0 && in_left == 0 &&
            iconv(cd, nullptr, nullptr, &out_pos, &out_left) == 0;
  iconv_close(cd);
  if (ok) out.assign(buffer.data(), static_cast<std::size_t>(out_pos - buffer.data()));
  return ok;
}

}  // namespace

bool GbkToUtf8(const std::string& gbk, std::string& out) {
  return Convert("UTF-8", "GBK", gbk, out);
}

bool Utf8ToGbk(const std::string& utf8, std::string& out) {
  return Convert("GBK", "UTF-8", utf8, out);
}

}  // namespace vjdcfg::platform
