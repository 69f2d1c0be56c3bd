#include "SymbolCatalog.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <utility>

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
  m_strCurrent.clear();
}

namespace {

// The number after the "dot" found at `dot` in `line` (see SymbolNumberOf).
int NumberAfter(const std::string& line, size_t dot) {
  if (dot == std::string::npos || dot + 4 >= line.size()) return 0;
  return vjd::annotation::ReadInt32(line.c_str() + dot + 4);
}

}  // namespace

int SymbolCatalog::SymbolNumberOf(const std::string& line) {
  return NumberAfter(line, gbk::Find(line, kSymbolKeyword));
}

void SymbolCatalog::ParseLine(const char* text, size_t length) {
  // A text ends at its first zero byte, as the window's strings do; blanks at both ends go.
  if (const void* zero = std::memchr(text, 0, length))
    length = static_cast<size_t>(static_cast<const char*>(zero) - text);
  size_t begin = 0;
  while (begin < length && gbk::IsBlank(text[begin])) ++begin;
  while (length > begin && gbk::IsBlank(text[length - 1])) --length;
  // One line's text at a time, in a string whose room is kept from line to line.
  m_strLine.clear();
  m_strLine.append(text + begin, length - begin);
  const std::string& line = m_strLine;
  // Keywords count at character starts only: the second byte of a double-byte character in a
  // category name may be 'd', 'l' or 'f'.
  static const std::string symbolKeyword = kSymbolKeyword, lineKeyword = "line",
                           fillKeyword = "fill";
  const size_t dot = gbk::Find(line, symbolKeyword);
  if (dot != std::string::npos) {
    CatalogEntry entry;
    entry.strCategory = m_strCurrent;
    entry.nSymbol = NumberAfter(line, dot);
    m_entries.push_back(std::move(entry));
  } else if (!gbk::Contains(line, lineKeyword) && !gbk::Contains(line, fillKeyword)) {
    m_categories.push_back(line);
    m_strCurrent = line;
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
  size_t pos = 0;
  bool first = true;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    if (!first) ParseLine(text.data() + pos, end - pos);
    first = false;  // the first line is a title and says nothing
    pos = end + 1;
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
  std::string text;
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
  return SymbolsOf(m_entries.data(), static_cast<int>(m_entries.size()), category, library);
}

std::vector<SymbolListItem> SymbolCatalog::SymbolsOf(const CatalogEntry* entries, int n,
                                                     const std::string& category,
                                                     const ISymbolLibrary& library) {
  std::vector<SymbolListItem> items;
  const int count = library.GetSymbolCount();
  auto add = [&](int index) {
    SymbolListItem item;
    item.nSymbol = index;
    item.strName = library.GetSymbolName(index);
    items.push_back(item);
  };
  if (n <= 0) {
    for (int i = 0; i < count; ++i) add(i);
  } else if (category != kOthers) {
    for (int k = 0; k < n; ++k) {
      if (entries[k].strCategory == category) add(entries[k].nSymbol);
    }
  } else {
    std::vector<char> mentioned(count > 0 ? count : 0, 0);
    for (int k = 0; k < n; ++k) {
      const int index = entries[k].nSymbol;
      if (index >= 0 && index < count) mentioned[index] = 1;
    }
    for (int i = 0; i < count; ++i) {
      if (!mentioned[i]) add(i);
    }
  }
  return items;
}
