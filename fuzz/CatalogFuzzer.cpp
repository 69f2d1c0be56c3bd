// libFuzzer target: the symbol catalogue's parser and its symbol lists over arbitrary file
// contents.  Checked: the categories end with exactly one built-in category; every line is
// classified by the keywords that start a character in it (never by bytes inside a double-byte
// character); a well-formed file gives well-formed category names; the lists name only indices
// the library has (except the catalogue's own entries, passed on as they are) and "其它" lists
// each once.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "FuzzChecks.h"
#include "MemorySymbolLibrary.h"
#include "SymbolCatalog.h"

using fuzzcheck::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  SymbolCatalog catalog;
  catalog.LoadText(text);
  const std::vector<std::string>& categories = catalog.Categories();
  Require(!categories.empty());
  const std::string last = categories.back();
  Require(last == SymbolCatalog::kOthers || last == SymbolCatalog::kAllSymbols);
  Require((last == SymbolCatalog::kAllSymbols) == catalog.Entries().empty());

  // Each line after the first, as the catalogue reads it (up to a zero byte, without blanks at
  // its ends), is a symbol line when "dot" starts a character in it, is skipped when "line" or
  // "fill" does, and is a category otherwise.
  std::vector<std::string> expectedCategories;
  size_t expectedEntries = 0;
  bool wellFormedLines = true;
  // (A line break that ends the text starts no further line.)
  for (size_t pos = text.find('\n'); pos != std::string::npos && pos + 1 < text.size();) {
    size_t end = text.find('\n', pos + 1);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos + 1, end - pos - 1);
    line = line.substr(0, line.find('\0'));
    wellFormedLines = wellFormedLines && fuzzcheck::WellFormedGbk(line);
    const char* blanks = " \t\n\v\f\r";
    const size_t first = line.find_first_not_of(blanks);
    line = first == std::string::npos
               ? std::string()
               : line.substr(first, line.find_last_not_of(blanks) - first + 1);
    if (fuzzcheck::OccursAtCharacterStart(line, "dot")) {
      ++expectedEntries;
    } else if (!fuzzcheck::OccursAtCharacterStart(line, "line") &&
               !fuzzcheck::OccursAtCharacterStart(line, "fill")) {
      expectedCategories.push_back(line);
    }
    pos = end;
  }
  expectedCategories.push_back(last);
  Require(categories == expectedCategories);
  Require(catalog.Entries().size() == expectedEntries);
  for (size_t i = 0; i + 1 < categories.size(); ++i) {
    if (wellFormedLines) Require(fuzzcheck::WellFormedGbk(categories[i]));
  }

  const int count = size > 0 ? data[0] % 64 : 0;
  const auto library = vjd::testing::MemorySymbolLibrary::Numbered(count);
  std::set<int> others;
  for (const SymbolListItem& item : catalog.SymbolsOf(SymbolCatalog::kOthers, library)) {
    Require(item.nSymbol >= 0 && item.nSymbol < count);
    Require(others.insert(item.nSymbol).second);
  }
  for (size_t i = 0; i < categories.size(); ++i) {
    for (const SymbolListItem& item : catalog.SymbolsOf(categories[i], library)) {
      if (catalog.Entries().empty()) Require(item.nSymbol >= 0 && item.nSymbol < count);
      Require(item.strName == library.GetSymbolName(item.nSymbol));
    }
  }
  return 0;
}
