#include "PreviewLabels.h"

#include <cmath>
#include <cstring>

#include "GbkText.h"
#include "LabelLayout.h"
#include "SymbolLabelConfig.h"

using vjd::annotation::IsMiddlePosition;
using vjd::annotation::kDefaultLabelHeight;
using vjd::annotation::kDefaultLabelWidth;
using vjd::annotation::kMaxLabelSlots;

static_assert(PreviewLabels::kLabels == kMaxLabelSlots, "one anchor per label slot");

// What one label of the entity carries, as Shift moves it and Reset writes it (no colours), and
// the anchor this object gave it.
struct PreviewLabels::LabelValues {
  char text[QK_LABEL_TEXT_SIZE] = {0};
  int visible = 0;
  int position = 0;
  double height = kDefaultLabelHeight;
  double width = kDefaultLabelWidth;
  int follows = 1;
  double angle = 0.0;
  bool anchored = false;
  double anchorY = 0.0;
};

void PreviewLabels::PrepareSymbol(const ISymbolLibrary& library, int index) {
  double extent[4] = {0, 0, 0, 0};
  library.GetSymbolExtent(index, extent);
  QkSymbolRef symbol;
  symbol.nLibrary = 7;
  symbol.nSubLibrary = 0;
  symbol.nIndex = index;
  symbol.dWidth = std::fabs(extent[2] - extent[0]);
  symbol.dHeight = std::fabs(extent[3] - extent[1]);
  symbol.dAngle = 0.0;

  EntityAttributeBlock block = EntityAttributeBlock::Fresh();
  m_entity.GetAttributes(block);
  block.nSymbolSlot = 0;
  block.nFlags |= EntityAttributeBlock::kFlagSymbol;
  m_entity.SetAttributes(block);
  m_entity.SetSymbol(symbol);

  double base[3] = {0.0, 0.0, 0.0};
  m_entity.Param(ATTR_BASE_POINT_SET, base, 0);
  const double x1 = extent[0] + base[0], y1 = extent[1] + base[1];
  const double x2 = extent[2] + base[0], y2 = extent[3] + base[1];
  double outline[12] = {x1, y2, 0.0, x2, y2, 0.0, x2, y1, 0.0, x1, y1, 0.0};
  m_entity.Param(ATTR_OUTLINE_SET, outline, 4);
  for (int i = 0; i < kMaxLabelSlots; ++i) {
    m_bAnchored[i] = false;  // a new symbol: no label has a place yet
    double width = kPreparedLabelWidth, height = kLabelHeight;
    m_entity.Param(ATTR_LABEL_WIDTH_SET, &width, i);
    m_entity.Param(ATTR_LABEL_HEIGHT_SET, &height, i);
  }
}

void PreviewLabels::SetCount(int count) {
  m_entity.Param(ATTR_LABEL_COUNT_SET, &count, 0);
}

void PreviewLabels::BasePoint(double point[3]) {
  point[0] = point[1] = point[2] = 0.0;
  m_entity.Param(ATTR_BASE_POINT_GET, point, 0);
}

double PreviewLabels::SymbolSize() {
  EntityAttributeBlock block = EntityAttributeBlock::Fresh();
  m_entity.GetAttributes(block);
  return block.dSymbolSize;
}

void PreviewLabels::SetAnchorY(int i, double y) {
  double base[3];
  BasePoint(base);
  double anchor[3] = {base[0], y, 0.0};
  m_entity.Param(ATTR_LABEL_ANCHOR_SET, anchor, i);
  if (i >= 0 && i < kLabels) {
    m_bAnchored[i] = true;
    m_dAnchorY[i] = y;
  }
}

void PreviewLabels::AnchorLoaded(int i, int position) {
  if (!IsMiddlePosition(position)) {
    if (i >= 0 && i < kLabels) m_bAnchored[i] = false;
    return;
  }
  double base[3];
  BasePoint(base);
  SetAnchorY(i, LabelLayout::LoadedAnchorY(position, base[1], SymbolSize(), m_dScale));
}

void PreviewLabels::ShowSlot(int i, const PreviewSlot& slot) {
  SetText(i, slot.strText);
  SetVisible(i, slot.bVisible);
  int position = slot.nPosition;
  AnchorLoaded(i, position);
  m_entity.Param(ATTR_LABEL_POSITION_SET, &position, i);
  double height = kLabelHeight, width = kLabelWidth;
  m_entity.Param(ATTR_LABEL_HEIGHT_SET, &height, i);
  m_entity.Param(ATTR_LABEL_WIDTH_SET, &width, i);
  SetAngleFollows(i, slot.bAngleFollows);
  double angle = slot.dAngle;
  m_entity.Param(ATTR_LABEL_ANGLE_SET, &angle, i);
  SetFore(i, slot.clrFore);
  SetBack(i, slot.clrBack);
}

void PreviewLabels::PlaceChosen(int i, int code) {
  if (IsMiddlePosition(code)) {
    double base[3];
    BasePoint(base);
    SetAnchorY(i, LabelLayout::ChosenAnchorY(code, base[1], SymbolSize()));
  } else if (i >= 0 && i < kLabels) {
    m_bAnchored[i] = false;
  }
  m_entity.Param(ATTR_LABEL_POSITION_SET, &code, i);
}

void PreviewLabels::ReadLabel(int j, LabelValues& label) {
  m_entity.Param(ATTR_LABEL_TEXT_GET, label.text, j);
  label.text[sizeof label.text - 1] = '\0';
  m_entity.Param(ATTR_LABEL_VISIBLE_GET, &label.visible, j);
  m_entity.Param(ATTR_LABEL_POSITION_GET, &label.position, j);
  m_entity.Param(ATTR_LABEL_HEIGHT_GET, &label.height, j);
  m_entity.Param(ATTR_LABEL_WIDTH_GET, &label.width, j);
  m_entity.Param(ATTR_LABEL_FOLLOW_GET, &label.follows, j);
  m_entity.Param(ATTR_LABEL_ANGLE_GET, &label.angle, j);
  if (j >= 0 && j < kLabels) {
    label.anchored = m_bAnchored[j];
    label.anchorY = m_dAnchorY[j];
  }
}

void PreviewLabels::WriteLabel(int j, LabelValues& label, bool keepAnchor) {
  m_entity.Param(ATTR_LABEL_TEXT_SET, label.text, j);
  m_entity.Param(ATTR_LABEL_VISIBLE_SET, &label.visible, j);
  if (keepAnchor && label.anchored && IsMiddlePosition(label.position)) {
    SetAnchorY(j, label.anchorY);
  } else {
    AnchorLoaded(j, label.position);
  }
  m_entity.Param(ATTR_LABEL_POSITION_SET, &label.position, j);
  m_entity.Param(ATTR_LABEL_HEIGHT_SET, &label.height, j);
  m_entity.Param(ATTR_LABEL_WIDTH_SET, &label.width, j);
  m_entity.Param(ATTR_LABEL_FOLLOW_SET, &label.follows, j);
  m_entity.Param(ATTR_LABEL_ANGLE_SET, &label.angle, j);
}

void PreviewLabels::Shift(int j) {
  if (j < 1) return;
  LabelValues label;
  ReadLabel(j, label);
  WriteLabel(j - 1, label, false);  // the loading rule, as a reloaded record would have it
  Reset(j);
}

void PreviewLabels::Swap(int a, int b) {
  LabelValues first, second;
  ReadLabel(a, first);
  ReadLabel(b, second);
  WriteLabel(a, second, true);
  WriteLabel(b, first, true);
}

void PreviewLabels::Reset(int j) {
  EntityAttributeBlock block = EntityAttributeBlock::Fresh();
  m_entity.GetAttributes(block);
  LabelValues unused;  // hidden at position 0, the default size, following at 0.0
  static_assert(sizeof unused.text >= sizeof block.szText, "the entity's text fits a label");
  std::memcpy(unused.text, block.szText, sizeof block.szText);
  unused.text[sizeof block.szText - 1] = '\0';
  WriteLabel(j, unused, false);
}

void PreviewLabels::SetText(int i, const std::string& text) {
  char buffer[QK_LABEL_TEXT_SIZE];
  vjd::annotation::gbk::CopyToBuffer(buffer, sizeof buffer, text.c_str());
  m_entity.Param(ATTR_LABEL_TEXT_SET, buffer, i);
}

void PreviewLabels::SetVisible(int i, int visible) {
  m_entity.Param(ATTR_LABEL_VISIBLE_SET, &visible, i);
}

void PreviewLabels::SetAngleFollows(int i, int follows) {
  m_entity.Param(ATTR_LABEL_FOLLOW_SET, &follows, i);
}

void PreviewLabels::SetAngleUnlessFollowing(int i, double angle) {
  int follows = 1;
  m_entity.Param(ATTR_LABEL_FOLLOW_GET, &follows, i);
  if (follows == 0) m_entity.Param(ATTR_LABEL_ANGLE_SET, &angle, i);
}

void PreviewLabels::SetFore(int i, int colour) {
  m_entity.Param(ATTR_LABEL_FORE_SET, &colour, i);
}

void PreviewLabels::SetBack(int i, int colour) {
  m_entity.Param(ATTR_LABEL_BACK_SET, &colour, i);
}
