// The kernel's point-symbol library file and the sample library and catalogue written for the
// host: faults are refused whole, and the catalogue only names symbols the library has.
#include <gtest/gtest.h>

#include "SourceData.h"

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include "SymbolLibrary.h"

namespace {

const char kTwo[] =
    "VJD-SYMBOLS 1\n"
    "symbol A\nline -1 -2 3 4\ncircle 5 0 1\nend\n"
    "# between symbols\n\n"
    "symbol 高压开关\npoly 0 0 1 0 1 1\narc 0 0 2 0 90\nend\n";

TEST(SymbolLibraryTest, ExtentCoversEveryStroke) {
  qk::SymbolLibrary lib;
  std::string error;
  ASSERT_TRUE(lib.LoadText(kTwo, error)) << error;
  ASSERT_EQ(lib.Count(), 2);
  const qk::Symbol* a = lib.At(0);
  EXPECT_DOUBLE_EQ(a->x1, -1);
  EXPECT_DOUBLE_EQ(a->y1, -2);
  EXPECT_DOUBLE_EQ(a->x2, 6);  // the circle reaches further right than the line
  EXPECT_DOUBLE_EQ(a->y2, 4);
  EXPECT_EQ(lib.Find("高压开关"), 1);
  EXPECT_EQ(lib.Find("高压"), -1);
  EXPECT_EQ(lib.At(2), nullptr);
  EXPECT_EQ(lib.At(-1), nullptr);
}

TEST(SymbolLibraryTest, MalformedLibraryKeepsTheSymbolsLoadedBefore) {
  const char* faults[] = {
      "",
      "VJD-SYMBOLS 2\n",
      "VJD-SYMBOLS 1\nline 0 0 1 1\n",                              // stroke outside a symbol
      "VJD-SYMBOLS 1\nsymbol A\nline 0 0 1 1\n",                    // no end
      "VJD-SYMBOLS 1\nsymbol A\nend\n",                             // no stroke
      "VJD-SYMBOLS 1\nsymbol A\nline 0 0 1\nend\n",                 // odd coordinates
      "VJD-SYMBOLS 1\nsymbol A\npoly 0 0 1 1\nend\n",               // polygon of two points
      "VJD-SYMBOLS 1\nsymbol A\ncircle 0 0 0\nend\n",               // zero radius
      "VJD-SYMBOLS 1\nsymbol A\nline 0 0 1 1e999\nend\n",           // not finite
      "VJD-SYMBOLS 1\nsymbol A\ncircle 1e308 0 1e308\nend\n",       // extent not finite
      "VJD-SYMBOLS 1\nsymbol A\narc 0 -1.7e308 1e308 0 90\nend\n",  // below the range
      "VJD-SYMBOLS 1\nsymbol A\nline 0 0 1 1x\nend\n",
      "VJD-SYMBOLS 1\nsymbol A\nspline 0 0 1 1\nend\n",
      "VJD-SYMBOLS 1\nsymbol A\nline 0 0 1 1\nend\nsymbol A\nline 0 0 1 1\nend\n",    // twice
      "VJD-SYMBOLS 1\nsymbol 一二三四五六七八九十一二三四五六\nline 0 0 1 1\nend\n",  // 32 bytes
      "VJD-SYMBOLS 1\nsymbol \nline 0 0 1 1\nend\n",
  };
  qk::SymbolLibrary lib;
  std::string error;
  ASSERT_TRUE(lib.LoadText(kTwo, error));
  for (const char* text : faults) {
    EXPECT_FALSE(lib.LoadText(text, error)) << text;
    EXPECT_NE(error.find("line "), std::string::npos) << error;
    EXPECT_EQ(lib.Count(), 2) << text;
    EXPECT_EQ(lib.Find("A"), 0);
  }
  EXPECT_FALSE(lib.LoadFile("no/such/library.sym", error));
  EXPECT_EQ(lib.Count(), 2);
}

TEST(SymbolLibraryTest, SampleCatalogueNamesOnlyLibrarySymbols) {
  qk::SymbolLibrary lib;
  std::string error;
  ASSERT_TRUE(lib.LoadText(ReadSourceGbk("standins/host/data/EdaSymbol.sym"), error)) << error;
  for (const char* name : {"高压配电箱", "高压开关", "移动变电站", "矿用变压器", "馈电开关",
                           "启动器", "电动机", "照明", "信号", "电钻", "负荷", "短路点", "综保",
                           "一拖二开关", "一拖四开关", "一拖六开关", "电缆"})
    EXPECT_GE(lib.Find(name), 0) << name;

  // The catalogue: header line, then categories and "dot N" lines.
  std::istringstream cls(ReadSourceGbk("standins/host/data/EdaSymbol.cls"));
  std::string line;
  std::getline(cls, line);
  std::set<int> listed;
  int categories = 0;
  while (std::getline(cls, line)) {
    size_t dot = line.find("dot");
    if (dot != std::string::npos) {
      int index = std::atoi(line.c_str() + dot + 4);
      EXPECT_NE(lib.At(index), nullptr) << line;
      listed.insert(index);
    } else if (line.find("line") == std::string::npos && line.find("fill") == std::string::npos) {
      ++categories;
    }
  }
  EXPECT_GE(categories, 3);
  EXPECT_LT(static_cast<int>(listed.size()), lib.Count()) << "some symbols belong to no category";
}

}  // namespace
