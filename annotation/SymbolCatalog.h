// The symbol catalogue "符号库\EdaSymbol.cls": named categories of the host's point symbols,
// read once when the configuration window opens, and the symbol lists that the window's category
// and symbol boxes show.  Reading costs one pass over the file's bytes: a catalogue of 50,000
// lines is read in the time of a few copies of it.  The catalogue owns its categories and entries;
// the library it is asked about belongs to the caller.  No Windows headers: the window fills its
// boxes from the results.
#pragma once

#include <string>
#include <vector>

#include "ISymbolLibrary.h"

// One symbol line of the catalogue: the category it stands under (its place in Categories(), -1
// before the first category line) and the symbol index it names.
struct CatalogEntry {
  int nCategory = -1;
  int nSymbol = -1;
};

// One item of the symbol list: the symbol index and the name the library gives it.
struct SymbolListItem {
  int nSymbol = -1;
  std::string strName;
};

class SymbolCatalog {
 public:
  enum LoadResult {
    Loaded,      // the file was read
    Missing,     // no such file: the catalogue is empty
    Unreadable,  // the file exists but cannot be read: handled as a missing one
  };

  // Category appended after the catalogue's own when it holds at least one entry.
  static const char* const kOthers;  // "其它"
  // Category appended when the catalogue holds no entry (or there is none).
  static const char* const kAllSymbols;  // "全部符号"
  // The catalogue's place under the host's directory.
  static const char* const kRelativePath;  // "符号库\EdaSymbol.cls"

  // Forgets everything read before.
  void Clear();

  // Reads the catalogue file at `path` (a GBK path).  Whatever the result, the categories end
  // with kOthers or kAllSymbols afterwards.
  LoadResult LoadFile(const std::string& path);
  // Reads a catalogue held in memory (the whole file's bytes), as LoadFile does.
  void LoadText(const std::string& text);
  // Ends an empty catalogue (nothing read) with the built-in category, as a missing file does.
  void LoadNothing();

  // The categories in file order followed by kOthers or kAllSymbols.  Empty category lines are
  // categories with the empty name; repeated names are listed as often as they occur.
  const std::vector<std::string>& Categories() const { return m_categories; }
  // The symbol lines in file order.
  const std::vector<CatalogEntry>& Entries() const { return m_entries; }
  // The name of the category `entry` stands under ("" before the first category line).
  const std::string& CategoryOf(const CatalogEntry& entry) const;

  // The symbols shown for `category`: the whole library in index order when the catalogue has
  // no entry; the category's entries in file order (duplicates kept) for a catalogue category;
  // for kOthers (also when the catalogue itself names a category so) every library index that
  // no entry mentions, in index order.  Time linear in symbols plus entries.
  std::vector<SymbolListItem> SymbolsOf(const std::string& category,
                                        const ISymbolLibrary& library) const;

  // The catalogue path under `hostDirectory` (which ends with a backslash).
  static std::string PathUnder(const std::string& hostDirectory);

  // The number after "dot" on a symbol line: the text from the fourth byte after the start of
  // the first "dot" at a character start, read with atoi rules (leading valid part, 0 if none;
  // saturated at the int range instead of overflowing).  The keywords "dot", "line" and "fill"
  // count only at character starts, never inside a double-byte GBK character.
  static int SymbolNumberOf(const std::string& line);

 private:
  // One line of `length` bytes at `text`, without its line end; the byte after it must not be a
  // digit (LoadText's lines are followed by their line end or the text's terminator).
  void ParseLine(const char* text, size_t length);
  void Finish();

  std::vector<std::string> m_categories;
  std::vector<CatalogEntry> m_entries;
  int m_nCurrent = -1;  // the category of the lines read last
};
