// Builds the display data of one entity (format in DisplayData.h): the entity's strokes in world
// units and its visible labels, placed from their position codes.  Pure computation, no window
// system: the kernel fills an EntityView from its store and hands it here.
//
// Label placement (all in world units, h = label height, g = h / 4 the gap, L = 1.2 h one line):
// the reference box is the entity's outline when it has one, else the box of its placed symbol,
// else the box of the cable segment the labels follow (the longest segment that runs more across
// than up, or the longest segment).  The text box is (byte count x width) wide, where a
// double-byte GBK character counts two bytes and markup runs count 0.6, and h high.
//   0 右上 right of the box, above its top     1 右  right, centred     2 右下 right, below bottom
//   3 下一 centred below the box               4 左下 left, below       5 左  left, centred
//   6 左上 left, above                         7 上一 centred above     8 中间 centred on the box
//   9..15  as 0..6, one line further from the box (up for the upper ones, down for the others)
//   16 上二, 17 上三, 18 上四: one, two, three lines above 上一; 19 下三, 20 下四: two, three
//   lines below 下一 (12 下二 is one line below 下一)
//   21 中上一, 22 中上二, 23 中下一, 24 中下二: the text's centre at the label's anchor point when
//   one was set, else at the box centre raised by box height / 2.2, / 4, lowered by / 4, / 2.2.
//   Any other code is drawn like 8.
// The label angle is its own angle plus, when it follows, the entity's angle (degrees).
// Markup in label texts: "#-" starts a lowered (subscript) run, "#+" a raised (superscript) run,
// "#=" returns to the baseline and is shown as "="; runs are drawn at 0.6 of the label height.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "SymbolLibrary.h"

namespace qk {

struct LabelView {
  std::string text;
  int visible = 1;
  int position = 0;
  double height = 0.003, width = 0.0015, angle = 0;
  int follows = 1;
  uint32_t fore = 0, back = 0;
  bool hasAnchor = false;
  double anchorX = 0, anchorY = 0;
};

struct EntityView {
  const Symbol* symbol = nullptr;  // placed point symbol, or none
  double x = 0, y = 0, angle = 0;  // base point and angle (degrees)
  double scaleX = 1, scaleY = 1;   // symbol size relative to its natural extent
  std::vector<double> points;      // polyline of a line entity (x, y pairs)
  std::vector<double> outline;     // outline points (x, y pairs), when set
  uint32_t colour = 0xFFFFFFFFu;   // stroke colour; the default follows the background
  std::vector<LabelView> labels;
};

// One run of a label text between markup sequences.
struct TextRun {
  std::string text;
  int level = 0;  // 0 baseline, -1 lowered, +1 raised
};

// Splits a label text at its markup sequences.
std::vector<TextRun> SplitMarkup(const std::string& text);
// Width of a text in units of one single-byte character, markup runs counted at 0.6.
double TextCells(const std::string& text);

// The left end of the baseline of a label of the given size (unrotated).
void PlaceLabel(const LabelView& label, double boxX1, double boxY1, double boxX2, double boxY2,
                double textWidth, double& x, double& y);

// The display data of an entity, ready for PrepareDisplay.
std::vector<uint8_t> BuildDisplayData(const EntityView& entity);

}  // namespace qk
