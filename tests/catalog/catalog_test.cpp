// The symbol catalogue and the symbol lists it feeds, grouped by what can go wrong: the line
// classification, the number after "dot", the categories added at the end, the lists of a
// category, of "其它" and of a catalogue without entries, and the file itself.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "MemorySymbolLibrary.h"
#include "SymbolCatalog.h"

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

TEST(CatalogLines, ExampleGivesTwoCategoriesAndThreeEntries) {
  SymbolCatalog c =
      Parsed({"供电辅助制图 符号分类", "开关", "dot 12", "dot 13", "变压器", "dot 40", "line 2"});
  EXPECT_EQ(c.Categories(), (Strings{"开关", "变压器", "其它"}));
  ASSERT_EQ(c.Entries().size(), 3u);
  EXPECT_EQ(c.CategoryOf(c.Entries()[0]), "开关");
  EXPECT_EQ(c.Entries()[0].nSymbol, 12);
  EXPECT_EQ(c.CategoryOf(c.Entries()[1]), "开关");
  EXPECT_EQ(c.Entries()[1].nSymbol, 13);
  EXPECT_EQ(c.CategoryOf(c.Entries()[2]), "变压器");
  EXPECT_EQ(c.Entries()[2].nSymbol, 40);
}

TEST(CatalogLines, FirstLineIsIgnoredWhateverItHolds) {
  SymbolCatalog category = Parsed({"开关", "dot 1"});
  EXPECT_EQ(category.Categories(), (Strings{"其它"}));
  ASSERT_EQ(category.Entries().size(), 1u);
  EXPECT_EQ(category.CategoryOf(category.Entries()[0]), "");  // before any category line
  SymbolCatalog symbol = Parsed({"dot 5", "甲"});
  EXPECT_TRUE(symbol.Entries().empty());
  EXPECT_EQ(symbol.Categories(), (Strings{"甲", "全部符号"}));
}

TEST(CatalogLines, KeywordsAreSubstringsAndDotWins) {
  SymbolCatalog c =
      Parsed({"h", "组", "fill dot 7", "outline 5", "fill 3", "dotted 9", "spline", "Dot 4"});
  // "Dot 4" has no lower-case keyword: a category.  "dotted 9" is a symbol line reading "ed 9".
  EXPECT_EQ(c.Categories(), (Strings{"组", "Dot 4", "其它"}));
  ASSERT_EQ(c.Entries().size(), 2u);
  EXPECT_EQ(c.Entries()[0].nSymbol, 7);
  EXPECT_EQ(c.Entries()[1].nSymbol, 0);
}

TEST(CatalogLines, KeywordsCountOnlyAtCharacterStarts) {
  // The second bytes of 興, 發 and 萬 are 'd', 'l' and 'f': with the ASCII letters after them
  // the bytes spell "dot", "line" and "fill", but no keyword starts inside a character.
  SymbolCatalog c = Parsed({"h", "興ot", "dot 1", "發ine泵", "dot 2", "萬ill", "dot 3"});
  EXPECT_EQ(c.Categories(), (Strings{"興ot", "發ine泵", "萬ill", "其它"}));
  ASSERT_EQ(c.Entries().size(), 3u);
  EXPECT_EQ(c.CategoryOf(c.Entries()[0]), "興ot");
  EXPECT_EQ(c.CategoryOf(c.Entries()[1]), "發ine泵");
  EXPECT_EQ(c.CategoryOf(c.Entries()[2]), "萬ill");
  EXPECT_EQ(SymbolCatalog::SymbolNumberOf("興ot dot 5"), 5);
}

TEST(CatalogLines, TrimmingAndEmptyLines) {
  SymbolCatalog c = Parsed({"h", "  开关 \t\r", "\tdot 3  \r", "", "   ", "dot 4"});
  EXPECT_EQ(c.Categories(), (Strings{"开关", "", "", "其它"}));
  ASSERT_EQ(c.Entries().size(), 2u);
  EXPECT_EQ(c.CategoryOf(c.Entries()[0]), "开关");
  EXPECT_EQ(c.Entries()[0].nSymbol, 3);
  EXPECT_EQ(c.CategoryOf(c.Entries()[1]), "");
  EXPECT_EQ(c.Entries()[1].nSymbol, 4);
}

TEST(CatalogLines, CrLfFileWithoutFinalNewline) {
  SymbolCatalog c;
  c.LoadText("title\r\n开关\r\ndot 8\r\n变压器\r\ndot 9");
  EXPECT_EQ(c.Categories(), (Strings{"开关", "变压器", "其它"}));
  ASSERT_EQ(c.Entries().size(), 2u);
  EXPECT_EQ(c.Entries()[1].nSymbol, 9);
  c.LoadText("");
  EXPECT_EQ(c.Categories(), (Strings{"全部符号"}));  // reloading forgets the earlier lines
  EXPECT_TRUE(c.Entries().empty());
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
  EXPECT_EQ(SymbolCatalog::SymbolNumberOf("dot 99999999999999999999"), 2147483647);
  EXPECT_EQ(SymbolCatalog::SymbolNumberOf("dot -99999999999999999999"), -2147483647 - 1);
}

// A symbol line's number is read where the line lies in the catalogue's text: it ends with its
// line, at a zero byte, and after nine digits only where the digits end.
TEST(CatalogNumber, ReadInPlaceEndsWithItsLine) {
  struct Case {
    std::string text;  // after the title line
    std::vector<int> symbols;
    Strings categories;
  };
  const Case cases[] = {
      {"dot 12\n34\n", {12}, {"34", "其它"}},
      {"dot \n5\n", {0}, {"5", "其它"}},
      {"dot 7", {7}, {"其它"}},  // no line break at the end
      {std::string("dot 1\0"
                   "23\n",
                   9),
       {1},
       {"其它"}},
      {std::string("开关\0dot 5\ndot 6\n", 17), {6}, {"开关", "其它"}},
      {"dot 123456789\ndot 1234567890\ndot 000000000123\n", {123456789, 1234567890, 123}, {"其它"}},
      {"dot 99999999999\ndot  -42\ndot +8x\n", {2147483647, -42, 8}, {"其它"}},
  };
  for (const Case& c : cases) {
    SymbolCatalog catalog;
    catalog.LoadText("title\n" + c.text);
    std::vector<int> symbols;
    for (const CatalogEntry& entry : catalog.Entries()) symbols.push_back(entry.nSymbol);
    EXPECT_EQ(symbols, c.symbols) << c.text;
    EXPECT_EQ(catalog.Categories(), c.categories) << c.text;
  }
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

class CatalogFile : public ::testing::Test {
 protected:
  void SetUp() override {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    m_dir = std::filesystem::temp_directory_path() / ("vjd-catalog-" + std::string(test->name()));
    std::filesystem::remove_all(m_dir);
    std::filesystem::create_directories(m_dir);
    m_path = (m_dir / "EdaSymbol.cls").string();
  }
  void TearDown() override { std::filesystem::remove_all(m_dir); }
  std::filesystem::path m_dir;
  std::string m_path;
};

TEST_F(CatalogFile, ReadsAnExistingFile) {
  FILE* f = std::fopen(m_path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fputs("头\n开关\ndot 12\n", f);
  std::fclose(f);
  SymbolCatalog c;
  EXPECT_EQ(c.LoadFile(m_path), SymbolCatalog::Loaded);
  EXPECT_EQ(c.Categories(), (Strings{"开关", "其它"}));
}

TEST_F(CatalogFile, MissingFileGivesAllSymbols) {
  SymbolCatalog c;
  c.LoadText("h\n甲\ndot 1\n");
  EXPECT_EQ(c.LoadFile(m_path), SymbolCatalog::Missing);
  EXPECT_EQ(c.Categories(), (Strings{"全部符号"}));
  EXPECT_TRUE(c.Entries().empty());
}

TEST_F(CatalogFile, FileThatCannotBeReadIsHandledAsMissing) {
  ASSERT_TRUE(std::filesystem::create_directory(m_path));  // exists, but is no file to read
  SymbolCatalog c;
  EXPECT_EQ(c.LoadFile(m_path), SymbolCatalog::Unreadable);
  EXPECT_EQ(c.Categories(), (Strings{"全部符号"}));
}

TEST(CatalogPath, UnderTheHostDirectory) {
  EXPECT_EQ(SymbolCatalog::PathUnder("C:\\host\\"), "C:\\host\\符号库\\EdaSymbol.cls");
}

}  // namespace
