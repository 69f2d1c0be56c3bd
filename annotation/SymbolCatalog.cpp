#include "SymbolCatalog.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string_view>

#include "GbkText.h"
#include "NumberText.h"

const char* const SymbolCatalog::kOthers = "其它";
const char* const SymbolCatalog::kAllSymbols = "全部符号";
const char* const SymbolCatalog::kRelativePath = "符号库\\EdaSymbol.cls";

namespace {

namespace gbk = vjd::annotation::gbk;

const char kSymbolKeyword[] = "dot";

}  // namespace

void SymbolCatalog::Clear() {
  m_categories.clear();
  m_entries.clear();
  m_nCurrent = -1;
}

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The digits at `p`, at most nine of them and not at or beyond `end`: their value goes to
// `value`, and where they stopped is returned (`p` when there are none).
const char* ReadNineDigits(const char* p, const char* end, int& value) {
  const char* const last = end - p > 9 ? p + 9 : end;
  value = 0;
  for (; p < last && IsDigit(*p); ++p) value = value * 10 + (*p - '0');
  return p;
}

// The number after the "dot" found at `dot` in `line` (see SymbolNumberOf).  It is read where
// the line lies: the byte after the line's last one must not be a digit (a blank, a zero byte or
// a terminator), so that the number ends there as it would in a terminated copy of the line.
int NumberAfter(std::string_view line, size_t dot) {
  if (dot == std::string::npos || dot + 4 >= line.size()) return 0;
  const char* number = line.data() + dot + 4;
  // The usual form, up to nine digits and nothing before them, is read here; every other one
  // (blanks, a sign, more digits that may saturate) as the host's conversion reads it.
  int value = 0;
  const char* stop = ReadNineDigits(number, line.data() + line.size(), value);
  if (stop != number && !IsDigit(*stop)) return value;
  return vjd::annotation::ReadInt32(number);
}

// Where "dot" starts a character of `line`, or npos.  A line that begins with it (as nearly all
// symbol lines do) needs no search.
size_t FindSymbolKeyword(std::string_view line) {
  if (line.size() >= 3 && line[0] == 'd' && line[1] == 'o' && line[2] == 't') return 0;
  return gbk::Find(line, kSymbolKeyword);
}

// The usual symbol line at `line`: "dot", a blank, one to nine digits and the line's end ("\n"
// or "\r\n", not the text's end at `end`).  Its number goes to `number` and the start of the next
// line is returned; any other line gives null and is left to the general reading, which would
// make the same entry of this one.
const char* UsualSymbolLine(const char* line, const char* end, int& number) {
  if (end - line < 6 || line[0] != 'd' || line[1] != 'o' || line[2] != 't' || line[3] != ' ')
    return nullptr;
  int value = 0;
  const char* digit = ReadNineDigits(line + 4, end, value);
  if (digit == line + 4 || digit == end) return nullptr;
  if (*digit == '\r' && digit + 1 < end) ++digit;
  if (*digit != '\n') return nullptr;
  number = value;
  return digit + 1;
}

}  // namespace

int SymbolCatalog::SymbolNumberOf(const std::string& line) {
  return NumberAfter(line, gbk::Find(line, kSymbolKeyword));
}

const std::string& SymbolCatalog::CategoryOf(const CatalogEntry& entry) const {
  static const std::string kNone;
  return entry.nCategory >= 0 && entry.nCategory < static_cast<int>(m_categories.size())
             ? m_categories[static_cast<size_t>(entry.nCategory)]
             : kNone;
}

void SymbolCatalog::ParseLine(const char* text, size_t length) {
  // Blanks at both ends go (the line has no zero byte: LoadText cut it at the first).
  size_t begin = 0;
  while (begin < length && gbk::IsBlank(text[begin])) ++begin;
  while (length > begin && gbk::IsBlank(text[length - 1])) --length;
  // The line is read where it lies, never copied but for a category's name.  Keywords count at
  // character starts only: the second byte of a double-byte character in a category name may
  // be 'd', 'l' or 'f'.
  const std::string_view line(text + begin, length - begin);
  const size_t dot = FindSymbolKeyword(line);
  if (dot != std::string::npos) {
    m_entries.push_back({m_nCurrent, NumberAfter(line, dot)});
  } else if (!gbk::Contains(line, "line") && !gbk::Contains(line, "fill")) {
    m_nCurrent = static_cast<int>(m_categories.size());
    m_categories.emplace_back(line);
  }
}

void SymbolCatalog::Finish() {
  m_categories.push_back(m_entries.empty() ? kAllSymbols : kOthers);
}

void SymbolCatalog::LoadNothing() {
  Clear();
  Finish();
}

void SymbolCatalog::LoadText(const std::string& text) {
  Clear();
  // A line ends at its line break, or at its first zero byte, as the window's strings do: the
  // zero bytes are looked for in each line only when the text has one at all.
  const bool hasZero = std::memchr(text.data(), 0, text.size()) != nullptr;
  const char* const end = text.data() + text.size();
  bool first = true;
  for (const char* line = text.data(); line < end;) {
    int number = 0;
    if (!first) {
      if (const char* next = UsualSymbolLine(line, end, number)) {
        m_entries.push_back({m_nCurrent, number});
        line = next;
        continue;
      }
    }
    const void* lineBreak = std::memchr(line, '\n', static_cast<size_t>(end - line));
    const char* lineEnd = lineBreak ? static_cast<const char*>(lineBreak) : end;
    size_t length = static_cast<size_t>(lineEnd - line);
    if (hasZero) {
      if (const void* zero = std::memchr(line, 0, length))
        length = static_cast<size_t>(static_cast<const char*>(zero) - line);
    }
    if (!first) ParseLine(line, length);
    first = false;  // the first line is a title and says nothing
    line = lineEnd + 1;
  }
  Finish();
}

SymbolCatalog::LoadResult SymbolCatalog::LoadFile(const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) {
    LoadNothing();
    return Missing;
  }
  FILE* file = S_ISREG(info.st_mode) ? std::fopen(path.c_str(), "rb") : nullptr;
  if (!file) {
    LoadNothing();
    return Unreadable;
  }
  // Read whole: the size the file had at once, then whatever it has grown by since.
  std::string text(static_cast<size_t>(info.st_size), '\0');
  text.resize(std::fread(&text[0], 1, text.size(), file));
  char buffer[65536];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
  bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) {
    LoadNothing();
    return Unreadable;
  }
  LoadText(text);
  return Loaded;
}

std::string SymbolCatalog::PathUnder(const std::string& hostDirectory) {
  return hostDirectory + kRelativePath;
}

std::vector<SymbolListItem> SymbolCatalog::SymbolsOf(const std::string& category,
                                                     const ISymbolLibrary& library) const {
  std::vector<SymbolListItem> items;
  const int count = library.GetSymbolCount();
  auto add = [&](int index) {
    SymbolListItem item;
    item.nSymbol = index;
    item.strName = library.GetSymbolName(index);
    items.push_back(item);
  };
  if (m_entries.empty()) {
    for (int i = 0; i < count; ++i) add(i);
  } else if (category != kOthers) {
    // The categories of that name (a name may repeat), then their entries in file order.
    std::vector<char> named(m_categories.size() + 1, 0);  // [0]: before the first category
    named[0] = category.empty();
    for (size_t c = 0; c < m_categories.size(); ++c) named[c + 1] = m_categories[c] == category;
    for (const CatalogEntry& entry : m_entries) {
      if (named[static_cast<size_t>(entry.nCategory + 1)]) add(entry.nSymbol);
    }
  } else {
    std::vector<char> mentioned(count > 0 ? count : 0, 0);
    for (const CatalogEntry& entry : m_entries) {
      if (entry.nSymbol >= 0 && entry.nSymbol < count) mentioned[entry.nSymbol] = 1;
    }
    for (int i = 0; i < count; ++i) {
      if (!mentioned[i]) add(i);
    }
  }
  return items;
}
