// Display data of one entity: labels placed from their position codes around the reference box,
// markup runs, and the buffer check that keeps a damaged buffer from being drawn.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "DisplayBuilder.h"
#include "DisplayData.h"
#include "DisplayReader.h"

namespace {

// A box 2 wide and 1 high around (10, 20); labels 1 high, text 4 wide.
void Place(int code, double& x, double& y, bool anchor = false) {
  qk::LabelView l;
  l.position = code;
  l.height = 1;
  l.hasAnchor = anchor;
  l.anchorX = 100, l.anchorY = 200;
  qk::PlaceLabel(l, 9, 19.5, 11, 20.5, 4, x, y);
}

TEST(DisplayBuilderTest, PositionCodesPlaceLabelsAroundTheBox) {
  double x, y;
  Place(7, x, y);  // 上一: centred above
  EXPECT_DOUBLE_EQ(x, 8);
  EXPECT_GT(y, 20.5);
  double above = y;
  Place(16, x, y);  // 上二: one line higher
  EXPECT_NEAR(y - above, 1.2, 1e-12);
  Place(3, x, y);  // 下一: the text's top below the box
  EXPECT_LT(y + 1, 19.5);
  double below = y;
  Place(12, x, y);
  EXPECT_NEAR(below - y, 1.2, 1e-12);
  Place(1, x, y);  // 右: right of the box, centred
  EXPECT_GT(x, 11);
  EXPECT_DOUBLE_EQ(y, 19.5);
  Place(5, x, y);  // 左: its right end left of the box
  EXPECT_LT(x + 4, 9);
  Place(8, x, y);  // 中间
  EXPECT_DOUBLE_EQ(x, 8);
  EXPECT_DOUBLE_EQ(y, 19.5);
  Place(21, x, y);  // 中上一 is higher than 中上二, both above the middle
  double upper1 = y;
  Place(22, x, y);
  EXPECT_GT(upper1, y);
  EXPECT_GT(y, 19.5);
  Place(23, x, y, true);  // with an anchor the text's centre sits on it
  EXPECT_DOUBLE_EQ(x + 2, 100);
  EXPECT_DOUBLE_EQ(y + 0.5, 200);
  double mx, my;
  Place(99, x, y);  // an unknown code is drawn in the middle
  Place(8, mx, my);
  EXPECT_EQ(x, mx);
  EXPECT_EQ(y, my);
}

TEST(DisplayBuilderTest, MarkupSplitsIntoRaisedAndLoweredRuns) {
  auto runs = qk::SplitMarkup("Id#-3#+(2)#=980A");
  ASSERT_EQ(runs.size(), 4u);
  EXPECT_EQ(runs[0].text, "Id");
  EXPECT_EQ(runs[1].level, -1);
  EXPECT_EQ(runs[1].text, "3");
  EXPECT_EQ(runs[2].level, 1);
  EXPECT_EQ(runs[2].text, "(2)");
  EXPECT_EQ(runs[3].level, 0);
  EXPECT_EQ(runs[3].text, "=980A");
  // A double-byte character whose trail byte is '#' is not markup.
  std::string gbk = "\x81#-x";
  runs = qk::SplitMarkup(gbk);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].text, gbk);
  EXPECT_DOUBLE_EQ(qk::TextCells("ab#-cd"), 2 + 2 * 0.6);
}

TEST(DisplayBuilderTest, HiddenAndEmptyLabelsAreNotDrawn) {
  qk::EntityView e;
  e.points = {0, 0, 1, 0};
  qk::LabelView shown, hidden, empty;
  shown.text = "C1";
  hidden.text = "x";
  hidden.visible = 0;
  e.labels = {shown, hidden, empty};
  std::vector<uint8_t> data = qk::BuildDisplayData(e);
  ASSERT_TRUE(qk::DisplayReader::Prepare(data.data()));
  int texts = 0, lines = 0;
  qk::DisplayReader(data.data(), data.size()).ForEach([&](const qk::DisplayPrimitive& p) {
    texts += p.type == qk::display::kText;
    lines += p.type == qk::display::kPolyline;
  });
  EXPECT_EQ(texts, 1);
  EXPECT_EQ(lines, 1);
}

TEST(DisplayBuilderTest, SymbolIsScaledRotatedAndMovedToItsBasePoint) {
  qk::Symbol s;
  s.name = "S";
  qk::SymbolStroke st;
  st.points = {0, 0, 1, 0};
  s.strokes = {st};
  s.x1 = 0, s.y1 = 0, s.x2 = 1, s.y2 = 0;
  qk::EntityView e;
  e.symbol = &s;
  e.x = 5, e.y = 5, e.angle = 90, e.scaleX = 2;
  std::vector<uint8_t> data = qk::BuildDisplayData(e);
  std::vector<double> pts;
  qk::DisplayReader(data.data(), data.size()).ForEach([&](const qk::DisplayPrimitive& p) {
    pts = p.points;
  });
  ASSERT_EQ(pts.size(), 4u);
  EXPECT_NEAR(pts[2], 5, 1e-12);  // (1, 0) scaled to (2, 0), turned to (0, 2), moved by (5, 5)
  EXPECT_NEAR(pts[3], 7, 1e-12);
}

TEST(DisplayBuilderTest, DamagedBuffersFailTheCheck) {
  qk::EntityView e;
  e.points = {0, 0, 1, 1, 2, 0};
  qk::LabelView l;
  l.text = "abc";
  e.labels = {l};
  const std::vector<uint8_t> good = qk::BuildDisplayData(e);
  ASSERT_TRUE(qk::DisplayReader(good.data(), good.size()).Valid());
  EXPECT_FALSE(qk::DisplayReader(good.data(), good.size() - 8).Valid());  // cut short
  auto damaged = [&](size_t offset, uint32_t value) {
    std::vector<uint8_t> d = good;
    std::memcpy(&d[offset], &value, 4);
    return qk::DisplayReader(d.data(), d.size()).Valid();
  };
  EXPECT_FALSE(damaged(qk::display::kOffMagic, 0));
  EXPECT_FALSE(damaged(qk::display::kOffCount, 3));             // more primitives than there are
  EXPECT_FALSE(damaged(qk::display::kHeaderBytes, 9));          // unknown primitive type
  EXPECT_FALSE(damaged(qk::display::kHeaderBytes + 4, 4));      // record shorter than its header
  EXPECT_FALSE(damaged(qk::display::kHeaderBytes + 16, 1000));  // more points than bytes
  std::vector<uint8_t> d = good;
  std::memcpy(&d[qk::display::kHeaderBytes + 16], "\xff\xff\xff\x0f", 4);
  EXPECT_FALSE(qk::DisplayReader::Prepare(d.data()));
  EXPECT_FALSE(qk::DisplayReader(d.data()).Prepared());
}

// A buffer whose second record claims 2^32 - 16 bytes: added to its offset that passes the 32-bit
// range and lands inside the first record, where a third record seems to end the buffer exactly.
// Read so, its points would lie beyond the buffer.  The check refuses it in every build.
TEST(DisplayBuilderTest, RecordSizesThatWouldWrapTheOffsetFailTheCheck) {
  std::vector<uint8_t> d(112, 0);
  auto put = [&](size_t offset, uint32_t value) { std::memcpy(&d[offset], &value, 4); };
  put(qk::display::kOffMagic, qk::display::kMagic);
  put(qk::display::kOffTotal, 112);
  put(qk::display::kOffCount, 3);
  put(48, qk::display::kPolyline);  // record 1: a polyline of one point, bytes 48 to 88
  put(52, 40);
  put(64, 1);
  put(72, qk::display::kPolyline);  // its point's bytes read as a record of 40 bytes
  put(76, 40);
  put(88, qk::display::kPolyline);  // record 2: 0xFFFFFFF0 bytes, one point
  put(92, 0xFFFFFFF0u);
  put(104, 1);
  EXPECT_FALSE(qk::DisplayReader(d.data(), d.size()).Valid());
  EXPECT_FALSE(qk::DisplayReader(d.data()).Valid());
  EXPECT_FALSE(qk::DisplayReader::Prepare(d.data()));
}

}  // namespace
