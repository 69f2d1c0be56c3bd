// Where the preview puts a label that sits at one of the four middle positions (codes 21 to 24,
// "中上一" … "中下二"): an explicit anchor point on the vertical through the entity's base point,
// above or below it by a share of the symbol's size.  Two rules exist: the one used while a
// stored record is loaded or labels are shifted divides by the map's scale, the one used right
// after the user chose the position in the grid does not.  Which codes are middle positions says
// IsMiddlePosition (SymbolLabelConfig.h).  Plain functions, no state.
#pragma once

class LabelLayout {
 public:
  // The map scale the anchors divide by: a scale of 0 or one that is not finite would put the
  // label at an infinite or undefined place, so it counts as 1.
  static double UsableMapScale(double mapScale);

  // Anchor y while loading a record or shifting labels: P.y ± (v / 2.2) / f or (v / 4) / f.
  // Returns baseY for a code that is not a middle position.
  static double LoadedAnchorY(int code, double baseY, double symbolSize, double mapScale);

  // Anchor y right after the position was chosen in the grid: P.y ± v / 2.2 or v / 4.2.
  static double ChosenAnchorY(int code, double baseY, double symbolSize);
};
