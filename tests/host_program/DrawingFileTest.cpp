// The host's drawing file: the sample drawing reads, writes and reads back unchanged, and every
// kind of malformed file is refused whole with the line of its fault.
#include <gtest/gtest.h>

#include "SourceData.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "DrawingFile.h"

namespace {

using host::Drawing;
using host::DrawingFile;

const char kTwoEntities[] =
    "VJD-DRAWING 1\n"
    "# comment\n"
    "entity 7 28\n"
    "name M1\n"
    "kindname 电动机\n"
    "symbol 电动机\n"
    "at 0.5 -0.25 90\n"
    "label 1 8 0.003 0.0015 0 1 255 -1 text with  two blanks\n"
    "label 0 3 0.002 0.001 45 0 0 0 \n"
    "data 164 1 Y2-4 5\n"
    "end\n"
    "\n"
    "entity 9 29\n"
    "name C1\n"
    "kindname 电缆\n"
    "points 0 0 1 0 1 1\n"
    "color 65535\n"
    "data 155 0 200\n"
    "data 155 7 2\n"
    "end\n";

TEST(DrawingFileTest, ReadsEveryStatement) {
  Drawing d;
  std::string error;
  ASSERT_TRUE(DrawingFile::Parse(kTwoEntities, d, error)) << error;
  ASSERT_EQ(d.entities.size(), 2u);
  const host::DrawingEntity& m = d.entities[0];
  EXPECT_EQ(m.id, 7);
  EXPECT_EQ(m.kind, 28);
  EXPECT_EQ(m.kindName, "电动机");
  EXPECT_DOUBLE_EQ(m.y, -0.25);
  EXPECT_DOUBLE_EQ(m.angle, 90);
  ASSERT_EQ(m.labels.size(), 2u);
  EXPECT_EQ(m.labels[0].text, "text with  two blanks");  // inner blanks kept
  EXPECT_EQ(m.labels[0].back, 0xFFFFFFFFu);              // -1 read as a COLORREF
  EXPECT_EQ(m.labels[1].text, "");
  EXPECT_DOUBLE_EQ(m.labels[1].angle, 45);
  ASSERT_EQ(m.data.size(), 1u);
  EXPECT_EQ(m.data[0].value, "Y2-4 5");
  const host::DrawingEntity& c = d.entities[1];
  EXPECT_EQ(c.points.size(), 6u);
  EXPECT_TRUE(c.hasColour);
  EXPECT_EQ(c.data[1].column, 7);
  EXPECT_EQ(d.Find(9), &d.entities[1]);
  EXPECT_EQ(d.Find(8), nullptr);
}

TEST(DrawingFileTest, WriteThenParseGivesTheSameDrawing) {
  for (const std::string& text :
       {std::string(kTwoEntities), ReadSourceGbk("standins/host/data/sample-mine.vjd")}) {
    Drawing first, second;
    std::string error;
    ASSERT_TRUE(DrawingFile::Parse(text, first, error)) << error;
    std::string written = DrawingFile::Write(first);
    ASSERT_TRUE(DrawingFile::Parse(written, second, error)) << error;
    EXPECT_EQ(DrawingFile::Write(second), written);
    ASSERT_EQ(first.entities.size(), second.entities.size());
    for (size_t i = 0; i < first.entities.size(); ++i) {
      const auto &a = first.entities[i], &b = second.entities[i];
      EXPECT_EQ(a.x, b.x);  // numbers survive exactly
      EXPECT_EQ(a.points, b.points);
      ASSERT_EQ(a.labels.size(), b.labels.size());
      for (size_t k = 0; k < a.labels.size(); ++k) {
        EXPECT_EQ(a.labels[k].text, b.labels[k].text);
        EXPECT_EQ(a.labels[k].height, b.labels[k].height);
        EXPECT_EQ(a.labels[k].fore, b.labels[k].fore);
      }
    }
  }
}

TEST(DrawingFileTest, NamesWithLineBreaksSurviveSaveAndOpen) {
  Drawing d;
  std::string error;
  ASSERT_TRUE(DrawingFile::Parse(kTwoEntities, d, error)) << error;
  d.entities[0].name = "\r";  // names as the kernel may hold them
  d.entities[0].kindName = "\r电动机";
  d.entities[1].name = "C\r\n1 ";
  d.entities[1].kindName = "\r\n";
  const std::string written = DrawingFile::Write(d);
  Drawing again;
  ASSERT_TRUE(DrawingFile::Parse(written, again, error)) << error << "\n" << written;
  EXPECT_EQ(again.entities[0].name, "");
  EXPECT_EQ(again.entities[0].kindName, "电动机");
  EXPECT_EQ(again.entities[1].name, "C  1");
  EXPECT_EQ(again.entities[1].kindName, "");
  EXPECT_EQ(DrawingFile::Write(again), written);
  // A carriage return inside a name of the file reads as the blank it will be written as.
  std::string text = kTwoEntities;
  text.replace(text.find("name M1"), 7, "name \rM\r1");
  ASSERT_TRUE(DrawingFile::Parse(text, again, error)) << error;
  EXPECT_EQ(again.entities[0].name, "M 1");
}

TEST(DrawingFileTest, SampleDrawingNamesAndLabelsEveryEntity) {
  Drawing d;
  std::string error;
  ASSERT_TRUE(DrawingFile::Parse(ReadSourceGbk("standins/host/data/sample-mine.vjd"), d, error))
      << error;
  int motors = 0, cables = 0, shorts = 0;
  for (const auto& e : d.entities) {
    EXPECT_FALSE(e.name.empty()) << e.id;
    EXPECT_FALSE(e.labels.empty()) << e.id;
    motors += e.kindName == "电动机";
    cables += e.kindName == "电缆";
    shorts += e.kindName == "短路点";
  }
  EXPECT_GE(motors, 2);
  EXPECT_GE(cables, 5);
  EXPECT_GE(shorts, 2);
}

TEST(DrawingFileTest, MalformedFilesLoadNothingAndNameTheLine) {
  struct Case {
    const char* text;
    const char* where;
  } cases[] = {
      {"", "line 0"},
      {"VJD-DRAWING 2\n", "line 1"},
      {"VJD-DRAWING 1\nname X\n", "line 2"},                                 // outside an entity
      {"VJD-DRAWING 1\nentity 1 28\nsymbol A\nat 0 0\n", "line 4"},          // no end
      {"VJD-DRAWING 1\nentity 1 28\nsymbol A\nat 0 zero\nend\n", "line 4"},  // not a number
      {"VJD-DRAWING 1\nentity 1 28\nsymbol A\nat 0 0\nend\nentity 1 29\n",
       "line 6"},  // duplicate id
      {"VJD-DRAWING 1\nentity 0 28\n", "line 2"},
      {"VJD-DRAWING 1\nentity 1 28\nat 0 0\nend\n", "line 4"},                       // no symbol
      {"VJD-DRAWING 1\nentity 1 29\npoints 0 0 1\nend\n", "line 3"},                 // odd points
      {"VJD-DRAWING 1\nentity 1 29\npoints 0 0 1 1\nlabel 1 2 3\nend\n", "line 4"},  // short label
      {"VJD-DRAWING 1\nentity 1 29\npoints 0 0 1 1\ncolour 1\nend\n", "line 4"},     // unknown word
      {"VJD-DRAWING 1\nentity 1 29\npoints 0 0 1 1\ndata 155 -1 x\nend\n", "line 4"},
      {"VJD-DRAWING 1\nentity 1 29\nname 0123456789012345678901234567890123\n", "line 3"},
      {"VJD-DRAWING 1\nentity 1 29\npoints 0 0 1 1\nlabel 1 0 1 1 0 1 99999999999 0 x\nend\n",
       "line 4"},
  };
  for (const Case& c : cases) {
    Drawing d;
    d.entities.resize(3);  // whatever was there before is gone, not half replaced
    std::string error;
    EXPECT_FALSE(DrawingFile::Parse(c.text, d, error)) << c.text;
    EXPECT_TRUE(d.entities.empty()) << c.text;
    EXPECT_NE(error.find(c.where), std::string::npos) << c.text << " -> " << error;
  }
}

TEST(DrawingFileTest, LabelTextLimitsAreEnforced) {
  const std::string entity = "VJD-DRAWING 1\nentity 1 29\npoints 0 0 1 1\n";
  const std::string label = entity + "label 1 0 1 1 0 1 0 0 ";
  Drawing d;
  std::string error;
  EXPECT_TRUE(DrawingFile::Parse(label + std::string(99, 'x') + "\nend\n", d, error)) << error;
  EXPECT_FALSE(DrawingFile::Parse(label + std::string(100, 'x') + "\nend\n", d, error));
  std::string many = entity;
  for (int i = 0; i < 33; ++i) many += "label 1 0 1 1 0 1 0 0 x\n";
  EXPECT_FALSE(DrawingFile::Parse(many + "end\n", d, error));
  EXPECT_NE(error.find("line 36"), std::string::npos) << error;
}

TEST(DrawingFileTest, SaveReplacesTheFileOnlyWhenComplete) {
  std::string path = testing::TempDir() + "host_save_test.vjd";
  Drawing d;
  std::string error;
  ASSERT_TRUE(DrawingFile::Parse(kTwoEntities, d, error));
  d.entities[0].labels[0].text = "line\nbreak";  // a text that would split the statement
  ASSERT_TRUE(DrawingFile::Save(path.c_str(), d, error)) << error;
  ASSERT_TRUE(DrawingFile::Save(path.c_str(), d, error)) << error;  // over an existing file
  Drawing back;
  ASSERT_TRUE(DrawingFile::Read(path.c_str(), back, error)) << error;
  EXPECT_EQ(back.entities[0].labels[0].text, "line break");
  EXPECT_EQ(back.entities.size(), 2u);
  std::FILE* temp = std::fopen((path + ".saving").c_str(), "rb");
  EXPECT_EQ(temp, nullptr);
  if (temp) std::fclose(temp);
  std::remove(path.c_str());

  std::string missingDir = testing::TempDir() + "no-such-dir/x.vjd";
  EXPECT_FALSE(DrawingFile::Save(missingDir.c_str(), d, error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(DrawingFile::Read(missingDir.c_str(), back, error));
  EXPECT_TRUE(back.entities.empty());
}

}  // namespace
