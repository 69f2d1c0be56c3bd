#include "PreviewLabels.h"

#include <cmath>
#include <cstring>

#include "LabelLayout.h"

namespace {

constexpr int kSlotCount = 8;
constexpr double kPreparedLabelWidth = 0.00075;
constexpr double kPreparedLabelHeight = 0.0015;
constexpr double kResetHeight = 0.003;
constexpr double kResetWidth = 0.0015;

}  // namespace

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
  for (int i = 0; i < kSlotCount; ++i) {
    double width = kPreparedLabelWidth, height = kPreparedLabelHeight;
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
}

void PreviewLabels::ShowSlot(int i, const PreviewSlot& slot) {
  SetText(i, slot.strText);
  SetVisible(i, slot.bVisible);
  int position = slot.nPosition;
  if (LabelLayout::IsMiddlePosition(position)) {
    double base[3];
    BasePoint(base);
    SetAnchorY(i, LabelLayout::LoadedAnchorY(position, base[1], SymbolSize(), m_dScale));
  }
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
  if (LabelLayout::IsMiddlePosition(code)) {
    double base[3];
    BasePoint(base);
    SetAnchorY(i, LabelLayout::ChosenAnchorY(code, base[1], SymbolSize()));
  }
  m_entity.Param(ATTR_LABEL_POSITION_SET, &code, i);
}

struct PreviewLabels::HeldLabel {
  char text[QK_LABEL_TEXT_SIZE] = {0};
  int visible = 0, position = 0, follows = 1;
  double height = kResetHeight, width = kResetWidth, angle = 0.0;
};

PreviewLabels::HeldLabel PreviewLabels::Read(int i) {
  HeldLabel label;
  m_entity.Param(ATTR_LABEL_TEXT_GET, label.text, i);
  label.text[sizeof label.text - 1] = '\0';
  m_entity.Param(ATTR_LABEL_VISIBLE_GET, &label.visible, i);
  m_entity.Param(ATTR_LABEL_POSITION_GET, &label.position, i);
  m_entity.Param(ATTR_LABEL_HEIGHT_GET, &label.height, i);
  m_entity.Param(ATTR_LABEL_WIDTH_GET, &label.width, i);
  m_entity.Param(ATTR_LABEL_FOLLOW_GET, &label.follows, i);
  m_entity.Param(ATTR_LABEL_ANGLE_GET, &label.angle, i);
  return label;
}

void PreviewLabels::Write(int i, const HeldLabel& label) {
  HeldLabel value = label;  // the kernel takes the values' addresses
  m_entity.Param(ATTR_LABEL_TEXT_SET, value.text, i);
  m_entity.Param(ATTR_LABEL_VISIBLE_SET, &value.visible, i);
  if (LabelLayout::IsMiddlePosition(value.position)) {
    double base[3];
    BasePoint(base);
    SetAnchorY(i, LabelLayout::LoadedAnchorY(value.position, base[1], SymbolSize(), m_dScale));
  }
  m_entity.Param(ATTR_LABEL_POSITION_SET, &value.position, i);
  m_entity.Param(ATTR_LABEL_HEIGHT_SET, &value.height, i);
  m_entity.Param(ATTR_LABEL_WIDTH_SET, &value.width, i);
  m_entity.Param(ATTR_LABEL_FOLLOW_SET, &value.follows, i);
  m_entity.Param(ATTR_LABEL_ANGLE_SET, &value.angle, i);
}

void PreviewLabels::Shift(int j) {
  if (j < 1) return;
  Write(j - 1, Read(j));
  Reset(j);
}

void PreviewLabels::Swap(int a, int b) {
  const HeldLabel first = Read(a);
  Write(a, Read(b));
  Write(b, first);
}

void PreviewLabels::Reset(int j) {
  EntityAttributeBlock block = EntityAttributeBlock::Fresh();
  m_entity.GetAttributes(block);
  HeldLabel unused;  // hidden at position 0, 0.003 x 0.0015, following the symbol at 0.0
  std::memcpy(unused.text, block.szText, sizeof block.szText);
  unused.text[sizeof block.szText - 1] = '\0';
  Write(j, unused);
}

void PreviewLabels::SetText(int i, const std::string& text) {
  char buffer[QK_LABEL_TEXT_SIZE] = {0};
  std::strncpy(buffer, text.c_str(), sizeof buffer - 1);
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
