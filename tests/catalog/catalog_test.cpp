// The symbol catalogue and the symbol lists it feeds, grouped by what can go wrong: the line
// classification, the number after "dot", the categories added at the end, the lists of a
// category, of "其它" and of a catalogue without entries, and the file itself.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "MemorySymbolLibrary.h"
#include "SymbolCatalog.h"
#include "UniqueTempDir.h"

namespace {

using Strings = std::vector<std::string>;
using vjd::testing::MemorySymbolLibrary;

std::string Lines(const Strings& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

std::vector<int> Indices(const std::vector<SymbolListItem>& items) {
  std::vector<int> indices;
  for (const SymbolListItem& item : items) indices.push_back(item.nSymbol);
  return indices;
}

SymbolCatalog Parsed(const Strings& lines) {
  SymbolCatalog catalog;
  catalog.LoadText(Lines(lines));
  return catalog;
}

// Whole catalogues, read one after the other into the same catalogue (a reload forgets the
// earlier lines): the categories, and each entry's category and symbol number.
TEST(CatalogLines, CategoriesAndEntriesOfEachText) {
  using Entries = std::vector<std::pair<std::string, int>>;
  const struct {
    std::string text;
    Strings categories;
    Entries entries;
  } kCases[] = {
      {"供电辅助制图 符号分类\n开关\ndot 12\ndot 13\n变压器\ndot 40\nline 2\n",
       {"开关", "变压器", "其它"},
       {{"开关", 12}, {"开关", 13}, {"变压器", 40}}},
      // The first line is ignored whatever it holds; a symbol before any category line.
      {"开关\ndot 1\n", {"其它"}, {{"", 1}}},
      {"dot 5\n甲\n", {"甲", "全部符号"}, {}},
      // Keywords are substrings and "dot" wins; "Dot 4" has no lower-case keyword: a category.
      // "dotted 9" is a symbol line reading "ed 9".
      {"h\n组\nfill dot 7\noutline 5\nfill 3\ndotted 9\nspline\nDot 4\n",
       {"组", "Dot 4", "其它"},
       {{"组", 7}, {"组", 0}}},
      // The second bytes of 興, 發 and 萬 are 'd', 'l' and 'f': with the ASCII letters after them
      // the bytes spell "dot", "line" and "fill", but no keyword starts inside a character.
      {"h\n興ot\ndot 1\n發ine泵\ndot 2\n萬ill\ndot 3\n",
       {"興ot", "發ine泵", "萬ill", "其它"},
       {{"興ot", 1}, {"發ine泵", 2}, {"萬ill", 3}}},
      // Lines are trimmed; empty lines are categories without a name.
      {"h\n  开关 \t\r\n\tdot 3  \r\n\n   \ndot 4\n",
       {"开关", "", "", "其它"},
       {{"开关", 3}, {"", 4}}},
      {"title\r\n开关\r\ndot 8\r\n变压器\r\ndot 9",
       {"开关", "变压器", "其它"},
       {{"开关", 8}, {"变压器", 9}}},
      {"", {"全部符号"}, {}},
      // A symbol line's number is read where the line lies in the text: it ends with its line,
      // at a zero byte, and after nine digits only where the digits end.
      {"title\ndot 12\n34\n", {"34", "其它"}, {{"", 12}}},
      {"title\ndot \n5\n", {"5", "其它"}, {{"", 0}}},
      {"title\ndot 7", {"其它"}, {{"", 7}}},  // no line break at the end
      {std::string("title\ndot 1\0"
                   "23\n",
                   15),
       {"其它"},
       {{"", 1}}},
      {std::string("title\n开关\0dot 5\ndot 6\n", 23), {"开关", "其它"}, {{"开关", 6}}},
      {"title\ndot 123456789\ndot 1234567890\ndot 000000000123\n",
       {"其它"},
       {{"", 123456789}, {"", 1234567890}, {"", 123}}},
      {"title\ndot 99999999999\ndot  -42\ndot +8x\n",
       {"其它"},
       {{"", 2147483647}, {"", -42}, {"", 8}}},
  };
  SymbolCatalog catalog;
  for (size_t k = 0; k < std::size(kCases); ++k) {
    catalog.LoadText(kCases[k].text);
    Entries entries;
    for (const CatalogEntry& e : catalog.Entries())
      entries.push_back({catalog.CategoryOf(e), e.nSymbol});
    EXPECT_EQ(catalog.Categories(), kCases[k].categories) << "case " << k << ": " << kCases[k].text;
    EXPECT_EQ(entries, kCases[k].entries) << "case " << k << ": " << kCases[k].text;
  }
}

TEST(CatalogNumber, ReadFromTheFourthCharacterWithAtoiRules) {
  EXPECT_EQ(SymbolCatalog::SymbolNumberOf("dot 12"), 12);
  EXPECT_EQ(SymbolCatalog::SymbolNumberOf("dot12"), 2);
  EXPECT_EQ(SymbolCatalog::SymbolNumberOf("dot  12"), 12);  // atoi skips the blanks
  EXPECT_EQ(SymbolCatalog::SymbolNumberOf("dot 12abc"), 12);
  EXPECT_EQ(SymbolCatalog::SymbolNumberOf("dot -3"), -3);
  EXPECT_EQ(SymbolCatalog::SymbolNumberOf("dot x"), 0);
  EXPECT_EQ(SymbolCatalog::SymbolNumberOf("dot"), 0);
  EXPECT_EQ(SymbolCatalog::SymbolNumberOf("dot1"), 0);
  EXPECT_EQ(SymbolCatalog::SymbolNumberOf("fill dot 7"), 7);
  EXPECT_EQ(SymbolCatalog::SymbolNumberOf("a dot 5 dot 6"), 5);  // the first "dot"
  EXPECT_EQ(SymbolCatalog::SymbolNumberOf("興ot dot 5"), 5);     // not inside a character
  EXPECT_EQ(SymbolCatalog::SymbolNumberOf("dot 99999999999999999999"), 2147483647);
  EXPECT_EQ(SymbolCatalog::SymbolNumberOf("dot -99999999999999999999"), -2147483647 - 1);
}

// Whole catalogues of random lines, half of them beginning as the usual "dot" and a number,
// read as each of their lines is read alone (as a text's last line, ended by a zero byte).
TEST(CatalogNumber, LinesReadTogetherAsEachAlone) {
  const std::string parts[] = {"dot ",
                               "dot",
                               " ",
                               "\t",
                               "\r",
                               "-",
                               "x",
                               "开关",
                               "興",
                               "line",
                               std::string(1, '\0'),
                               "1",
                               "07",
                               "123456789",
                               "4294967296"};
  std::mt19937 random(32);
  for (int walk = 0; walk < 300; ++walk) {
    std::string text = "title\n";
    SymbolCatalog alone;
    std::vector<std::pair<std::string, int>> expected;
    Strings categories;
    for (int line = 0, lines = 1 + random() % 6; line < lines; ++line) {
      std::string l = random() % 2 ? "dot " + std::to_string(random() % 2000000000) : "";
      for (int k = random() % 4; k > 0; --k) l += parts[random() % std::size(parts)];
      const bool last = line + 1 == lines && random() % 2;  // no line break after it
      if (last && l.empty()) break;                         // no line at all
      text += l + (last ? "" : "\n");
      alone.LoadText("title\n" + l + '\0');  // the line and no more
      if (alone.Categories().size() > 1) categories.push_back(alone.Categories()[0]);
      if (!alone.Entries().empty())
        expected.push_back(
            {categories.empty() ? "" : categories.back(), alone.Entries()[0].nSymbol});
    }
    SymbolCatalog together;
    together.LoadText(text);
    std::vector<std::pair<std::string, int>> entries;
    for (const CatalogEntry& e : together.Entries())
      entries.push_back({together.CategoryOf(e), e.nSymbol});
    EXPECT_EQ(entries, expected) << text;
    categories.push_back(entries.empty() ? "全部符号" : "其它");
    EXPECT_EQ(together.Categories(), categories) << text;
  }
}

TEST(CatalogLists, CategoryListsItsEntriesInFileOrderWithDuplicates) {
  SymbolCatalog c = Parsed({"h", "甲", "dot 3", "dot 1", "dot 3", "乙", "dot 2", "甲", "dot 0"});
  const auto library = MemorySymbolLibrary::Numbered(6);
  std::vector<SymbolListItem> items = c.SymbolsOf("甲", library);
  EXPECT_EQ(Indices(items), (std::vector<int>{3, 1, 3, 0}));  // a repeated category adds on
  EXPECT_EQ(items[0].strName, "S3");
  EXPECT_EQ(Indices(c.SymbolsOf("乙", library)), (std::vector<int>{2}));
  EXPECT_TRUE(c.SymbolsOf("丙", library).empty());
  // Lines before the first category and under an empty line stand under the same empty name.
  SymbolCatalog unnamed = Parsed({"h", "dot 1", "甲", "dot 3", "", "dot 2"});
  EXPECT_EQ(Indices(unnamed.SymbolsOf("", library)), (std::vector<int>{1, 2}));
  EXPECT_EQ(unnamed.CategoryOf(unnamed.Entries()[1]), "甲");
}

TEST(CatalogLists, OthersListsUnmentionedSymbolsInIndexOrder) {
  SymbolCatalog c = Parsed({"h", "甲", "dot 4", "dot 1", "乙", "dot 4", "dot 17", "dot -2"});
  const auto library = MemorySymbolLibrary::Numbered(7);
  EXPECT_EQ(Indices(c.SymbolsOf("其它", library)), (std::vector<int>{0, 2, 3, 5, 6}));
  // Indices the library does not have are listed with whatever name it gives them.
  std::vector<SymbolListItem> beyond = c.SymbolsOf("乙", library);
  EXPECT_EQ(Indices(beyond), (std::vector<int>{4, 17, -2}));
  EXPECT_EQ(beyond[1].strName, "");
}

TEST(CatalogLists, CatalogCategoryNamedOthersBehavesAsTheBuiltInOne) {
  SymbolCatalog c = Parsed({"h", "其它", "dot 0", "dot 2"});
  EXPECT_EQ(c.Categories(), (Strings{"其它", "其它"}));
  const auto library = MemorySymbolLibrary::Numbered(4);
  EXPECT_EQ(Indices(c.SymbolsOf("其它", library)), (std::vector<int>{1, 3}));
}

TEST(CatalogLists, WithoutEntriesEveryCategoryShowsTheWholeLibrary) {
  SymbolCatalog c = Parsed({"h", "开关", "变压器", "line 3"});
  EXPECT_EQ(c.Categories(), (Strings{"开关", "变压器", "全部符号"}));
  const auto library = MemorySymbolLibrary::Numbered(3);
  for (const std::string& category : c.Categories()) {
    EXPECT_EQ(Indices(c.SymbolsOf(category, library)), (std::vector<int>{0, 1, 2})) << category;
  }
  const auto empty = MemorySymbolLibrary::Numbered(0);
  EXPECT_TRUE(c.SymbolsOf("开关", empty).empty());
}

TEST(CatalogLists, FiveThousandLinesAndSymbols) {
  Strings lines{"符号分类"};
  for (int category = 0; category < 50; ++category) {
    lines.push_back("类" + std::to_string(category));
    for (int k = 0; k < 99; ++k) lines.push_back("dot " + std::to_string(category * 99 + k));
  }
  SymbolCatalog c = Parsed(lines);
  ASSERT_EQ(c.Entries().size(), 4950u);
  ASSERT_EQ(c.Categories().size(), 51u);
  const auto library = MemorySymbolLibrary::Numbered(5000);
  std::vector<SymbolListItem> others = c.SymbolsOf("其它", library);
  ASSERT_EQ(others.size(), 50u);
  EXPECT_EQ(others.front().nSymbol, 4950);
  EXPECT_EQ(others.back().strName, "S4999");
  EXPECT_EQ(library.nameCalls, 50);  // names are asked only for the symbols listed
  size_t listed = 0;
  for (int category = 0; category < 50; ++category) {
    listed += c.SymbolsOf("类" + std::to_string(category), library).size();
  }
  EXPECT_EQ(listed, 4950u);
}

// The file: read when it is there; missing, or a folder in its place, it gives all symbols and
// forgets what was loaded before.
TEST(CatalogFile, ReadMissingOrUnreadable) {
  const std::filesystem::path dir = MakeUniqueTempDir("vjd-catalog-");
  std::ofstream(dir / "read.cls", std::ios::binary) << "头\n开关\ndot 12\n";
  std::filesystem::create_directory(dir / "folder.cls");  // exists, but is no file to read
  const struct {
    const char* file;
    SymbolCatalog::LoadResult result;
    Strings categories;
  } kCases[] = {{"read.cls", SymbolCatalog::Loaded, {"开关", "其它"}},
                {"missing.cls", SymbolCatalog::Missing, {"全部符号"}},
                {"folder.cls", SymbolCatalog::Unreadable, {"全部符号"}}};
  for (const auto& c : kCases) {
    SymbolCatalog catalog;
    catalog.LoadText("h\n甲\ndot 1\n");
    EXPECT_EQ(catalog.LoadFile((dir / c.file).string()), c.result) << c.file;
    EXPECT_EQ(catalog.Categories(), c.categories) << c.file;
    EXPECT_EQ(catalog.Entries().size(), c.result == SymbolCatalog::Loaded ? 1u : 0u) << c.file;
  }
  std::filesystem::remove_all(dir);
}

TEST(CatalogPath, UnderTheHostDirectory) {
  EXPECT_EQ(SymbolCatalog::PathUnder("C:\\host\\"), "C:\\host\\符号库\\EdaSymbol.cls");
}

}  // namespace
