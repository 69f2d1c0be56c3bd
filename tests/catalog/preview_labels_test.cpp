// The preview entity's labels: the two rules for the middle positions, a map scale that would
// make them infinite, putting a symbol onto the entity, and moving labels when a row goes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "LabelLayout.h"
#include "MemoryPreviewEntity.h"
#include "MemorySymbolLibrary.h"
#include "PreviewLabels.h"

namespace {

// An entity with base point P = (1, 2, 0) and symbol size v = 0.84.
class PreviewLabelsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    double base[3] = {1.0, 2.0, 0.0};
    entity.Param(ATTR_BASE_POINT_SET, base, 0);
    entity.attributes.dSymbolSize = 0.84;
    std::snprintf(entity.attributes.szText, sizeof entity.attributes.szText, "%s", "M1");
    entity.log.clear();
  }
  std::vector<double> Anchor(int label) { return entity.Doubles(ATTR_LABEL_ANCHOR_SET, label); }
  MemoryPreviewEntity entity;
};

TEST(MiddlePositions, LoadingDividesByTheMapScaleChoosingDoesNot) {
  const double v = 0.84, f = 2.0, y = 2.0;
  EXPECT_DOUBLE_EQ(LabelLayout::LoadedAnchorY(21, y, v, f), y + (v / 2.2) / f);
  EXPECT_DOUBLE_EQ(LabelLayout::LoadedAnchorY(22, y, v, f), y + (v / 4) / f);
  EXPECT_DOUBLE_EQ(LabelLayout::LoadedAnchorY(23, y, v, f), y - (v / 4) / f);
  EXPECT_DOUBLE_EQ(LabelLayout::LoadedAnchorY(24, y, v, f), y - (v / 2.2) / f);
  EXPECT_DOUBLE_EQ(LabelLayout::ChosenAnchorY(21, y, v), y + v / 2.2);
  EXPECT_DOUBLE_EQ(LabelLayout::ChosenAnchorY(22, y, v), y + v / 4.2);
  EXPECT_DOUBLE_EQ(LabelLayout::ChosenAnchorY(23, y, v), y - v / 4.2);
  EXPECT_DOUBLE_EQ(LabelLayout::ChosenAnchorY(24, y, v), y - v / 2.2);
}

TEST(MiddlePositions, ScaleZeroOrNotFiniteCountsAsOne) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double f : {0.0, -0.0, inf, -inf, nan}) {
    EXPECT_DOUBLE_EQ(LabelLayout::LoadedAnchorY(22, 2.0, 0.84, f), 2.0 + 0.84 / 4) << f;
    EXPECT_DOUBLE_EQ(LabelLayout::LoadedAnchorY(24, 2.0, 0.84, f), 2.0 - 0.84 / 2.2) << f;
  }
  EXPECT_DOUBLE_EQ(LabelLayout::UsableMapScale(0.5), 0.5);
  EXPECT_DOUBLE_EQ(LabelLayout::UsableMapScale(-2.0), -2.0);
}

TEST_F(PreviewLabelsTest, LoadedSlotAtPosition22IsAnchoredBeforeItsCode) {
  PreviewLabels labels(entity, 2.0);
  PreviewSlot slot;
  slot.strText = "型号";
  slot.nPosition = 22;
  slot.bAngleFollows = 0;
  slot.dAngle = 30.0;
  slot.clrFore = 255;
  labels.ShowSlot(1, slot);
  std::vector<double> anchor = Anchor(1);
  ASSERT_EQ(anchor.size(), 3u);
  EXPECT_DOUBLE_EQ(anchor[0], 1.0);
  EXPECT_DOUBLE_EQ(anchor[1], 2.0 + (0.84 / 4) / 2.0);
  EXPECT_DOUBLE_EQ(anchor[2], 0.0);
  EXPECT_LT(entity.FirstCall(ATTR_LABEL_ANCHOR_SET, 1),
            entity.FirstCall(ATTR_LABEL_POSITION_SET, 1));
  EXPECT_EQ(entity.Int(ATTR_LABEL_POSITION_SET, 1), 22);
  EXPECT_EQ(entity.Text(ATTR_LABEL_TEXT_SET, 1), "型号");
  // The preview draws every label at its own size, whatever the record says.
  EXPECT_DOUBLE_EQ(entity.Double(ATTR_LABEL_HEIGHT_SET, 1), 0.0015);
  EXPECT_DOUBLE_EQ(entity.Double(ATTR_LABEL_WIDTH_SET, 1), 0.001);
  EXPECT_DOUBLE_EQ(entity.Double(ATTR_LABEL_ANGLE_SET, 1), 30.0);
  EXPECT_EQ(entity.Int(ATTR_LABEL_FORE_SET, 1), 255);

  labels.PlaceChosen(1, 22);
  EXPECT_DOUBLE_EQ(Anchor(1)[1], 2.0 + 0.84 / 4.2);
}

TEST_F(PreviewLabelsTest, OrdinaryPositionsGetNoAnchor) {
  PreviewLabels labels(entity, 1.0);
  PreviewSlot slot;
  slot.nPosition = 12;
  labels.ShowSlot(0, slot);
  labels.PlaceChosen(0, 8);
  EXPECT_FALSE(entity.Has(ATTR_LABEL_ANCHOR_SET, 0));
  EXPECT_EQ(entity.Int(ATTR_LABEL_POSITION_SET, 0), 8);
}

TEST_F(PreviewLabelsTest, MapScaleZeroStillGivesAFiniteAnchor) {
  PreviewLabels labels(entity, 0.0);
  PreviewSlot slot;
  slot.nPosition = 21;
  labels.ShowSlot(0, slot);
  ASSERT_TRUE(std::isfinite(Anchor(0)[1]));
  EXPECT_DOUBLE_EQ(Anchor(0)[1], 2.0 + 0.84 / 2.2);
}

TEST_F(PreviewLabelsTest, ShiftMovesALabelDownAndResetsIt) {
  PreviewLabels labels(entity, 2.0);
  PreviewSlot slot;
  slot.strText = "c";
  slot.bVisible = 1;
  slot.nPosition = 23;
  slot.bAngleFollows = 0;
  slot.dAngle = 45.0;
  slot.clrFore = 0x0000ff;
  labels.ShowSlot(2, slot);
  labels.SetFore(1, 0x00ff00);
  labels.Shift(2);
  EXPECT_EQ(entity.Text(ATTR_LABEL_TEXT_SET, 1), "c");
  EXPECT_EQ(entity.Int(ATTR_LABEL_VISIBLE_SET, 1), 1);
  EXPECT_EQ(entity.Int(ATTR_LABEL_POSITION_SET, 1), 23);
  EXPECT_DOUBLE_EQ(Anchor(1)[1], 2.0 - (0.84 / 4) / 2.0);  // anchored by the loading rule
  EXPECT_EQ(entity.Int(ATTR_LABEL_FOLLOW_SET, 1), 0);
  EXPECT_DOUBLE_EQ(entity.Double(ATTR_LABEL_ANGLE_SET, 1), 45.0);
  EXPECT_DOUBLE_EQ(entity.Double(ATTR_LABEL_HEIGHT_SET, 1), 0.0015);
  EXPECT_EQ(entity.Int(ATTR_LABEL_FORE_SET, 1), 0x00ff00);  // colours stay where they were
  // Label 2 is now an unused slot carrying the entity's own text.
  EXPECT_EQ(entity.Text(ATTR_LABEL_TEXT_SET, 2), "M1");
  EXPECT_EQ(entity.Int(ATTR_LABEL_VISIBLE_SET, 2), 0);
  EXPECT_EQ(entity.Int(ATTR_LABEL_POSITION_SET, 2), 0);
  EXPECT_DOUBLE_EQ(entity.Double(ATTR_LABEL_HEIGHT_SET, 2), 0.003);
  EXPECT_DOUBLE_EQ(entity.Double(ATTR_LABEL_WIDTH_SET, 2), 0.0015);
  EXPECT_EQ(entity.Int(ATTR_LABEL_FOLLOW_SET, 2), 1);
  EXPECT_DOUBLE_EQ(entity.Double(ATTR_LABEL_ANGLE_SET, 2), 0.0);
}

TEST_F(PreviewLabelsTest, AngleChangesOnlyWhenTheLabelDoesNotFollow) {
  PreviewLabels labels(entity, 1.0);
  labels.SetAngleFollows(0, 1);
  labels.SetAngleFollows(1, 0);
  labels.SetAngleUnlessFollowing(0, 30.0);
  labels.SetAngleUnlessFollowing(1, 60.0);
  EXPECT_FALSE(entity.Has(ATTR_LABEL_ANGLE_SET, 0));
  EXPECT_DOUBLE_EQ(entity.Double(ATTR_LABEL_ANGLE_SET, 1), 60.0);
}

TEST_F(PreviewLabelsTest, TextLongerThanTheKernelBufferIsCutAndTerminated) {
  PreviewLabels labels(entity, 1.0);
  labels.SetText(0, std::string(150, 'x'));
  EXPECT_EQ(entity.Text(ATTR_LABEL_TEXT_SET, 0), std::string(99, 'x'));
  std::string chinese;
  for (int i = 0; i < 60; ++i) chinese += "电";  // 120 bytes
  labels.SetText(1, chinese);
  EXPECT_EQ(entity.Text(ATTR_LABEL_TEXT_SET, 1), chinese.substr(0, 98))
      << "no half character: 49 whole ones";
  labels.SetText(2, "a" + chinese);
  EXPECT_EQ(entity.Text(ATTR_LABEL_TEXT_SET, 2), "a" + chinese.substr(0, 98));
}

TEST_F(PreviewLabelsTest, PrepareSymbolPutsTheSymbolOutlineAndLabelSizes) {
  entity.attributes.nFlags = 0x10;
  entity.attributes.nField56 = 77;  // the kernel's own bytes travel back unchanged
  PreviewLabels labels(entity, 1.0);
  // Drawn from right to left and top to bottom: sizes are absolute.
  const vjd::testing::MemorySymbolLibrary library(std::vector<std::string>(6, "电动机"),
                                                  {0.004, 0.003, -0.002, -0.001});
  labels.PrepareSymbol(library, 5);
  EXPECT_EQ(entity.symbolCalls, 1);
  EXPECT_EQ(entity.symbol.nLibrary, 7);
  EXPECT_EQ(entity.symbol.nSubLibrary, 0);
  EXPECT_EQ(entity.symbol.nIndex, 5);
  EXPECT_DOUBLE_EQ(entity.symbol.dWidth, 0.006);
  EXPECT_DOUBLE_EQ(entity.symbol.dHeight, 0.004);
  EXPECT_DOUBLE_EQ(entity.symbol.dAngle, 0.0);
  EXPECT_EQ(entity.attributes.nFlags, 0x10 | 0x404);
  EXPECT_EQ(entity.attributes.nSymbolSlot, 0);
  EXPECT_EQ(entity.attributes.nField56, 77);
  EXPECT_EQ(entity.Doubles(ATTR_BASE_POINT_SET, 0), (std::vector<double>{0, 0, 0}));
  EXPECT_EQ(entity.Doubles(ATTR_OUTLINE_SET, 0),
            (std::vector<double>{0.004, -0.001, 0, -0.002, -0.001, 0, -0.002, 0.003, 0, 0.004,
                                 0.003, 0}));
  for (int i = 0; i < 8; ++i) {
    EXPECT_DOUBLE_EQ(entity.Double(ATTR_LABEL_WIDTH_SET, i), 0.00075) << i;
    EXPECT_DOUBLE_EQ(entity.Double(ATTR_LABEL_HEIGHT_SET, i), 0.0015) << i;
  }
  EXPECT_FALSE(entity.Has(ATTR_LABEL_WIDTH_SET, 8));
}

TEST(AttributeBlock, FreshBlockHoldsTheInitialValues) {
  EntityAttributeBlock block = EntityAttributeBlock::Fresh();
  EXPECT_EQ(block.nHead, -1);
  EXPECT_EQ(block.nSymbolSlot, -1);
  EXPECT_EQ(block.nFlags, 0);
  EXPECT_EQ(block.szText[0], '\0');
  EXPECT_EQ(block.nField56 | block.nField60 | block.nField132 | block.nField136, 0);
}

}  // namespace
