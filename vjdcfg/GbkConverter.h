// Conversion between the GBK texts of the configuration file (code page 936) and UTF-8, the
// encoding of the tool's JSON and of its messages.  Only exact conversions count: a text converts
// when every character maps to one character that maps back to the same bytes.  Native builds use
// iconv's "GBK" (not GB18030, whose four-byte forms and changed mappings are no GBK), Windows
// builds code page 936 through the code page functions, never the process's own code page.  The
// private use area (code page 936's user-defined characters, which iconv's GBK lacks) counts as
// not convertible in both, so both builds accept the same texts.
#pragma once

#include <string>

namespace vjdcfg {

// False when some character of the text cannot be converted exactly; `out` is then unspecified.
bool GbkToUtf8(const std::string& gbk, std::string& out);
bool Utf8ToGbk(const std::string& utf8, std::string& out);

// The UTF-8 form of a GBK text in which every character that cannot be converted shows as
// U+FFFD: a lead and a trail byte that make no character count as one, a lone byte as one.
std::string GbkToUtf8Shown(const std::string& gbk);

// The GBK text with every character that cannot be converted replaced by '?' (as above): the text
// itself when it is fine, never longer than it.
std::string MendGbk(const std::string& gbk);

namespace platform {
// The conversions of the platform, before the checks above.
bool GbkToUtf8(const std::string& gbk, std::string& out);
bool Utf8ToGbk(const std::string& utf8, std::string& out);
}  // namespace platform

}  // namespace vjdcfg
