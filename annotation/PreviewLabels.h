// The labels of the preview entity, kept in step with the rows of the configuration window's
// grid: putting a symbol onto the entity, showing a stored or default slot, placing a label at a
// chosen position, moving labels down when a row is deleted, and the single-value updates of a
// cell edit.  The preview always draws its labels at height 0.0015 and width 0.001, whatever the
// grid says.  Works on an IPreviewEntity that the caller owns; keeps the map scale and the anchor
// it last gave each label, so that a label traded with another keeps the place it had.
#pragma once

#include <string>

#include "IPreviewEntity.h"
#include "ISymbolLibrary.h"

// One slot as the preview shows it (sizes are the preview's own).
struct PreviewSlot {
  std::string strText;
  int bVisible = 1;
  int nPosition = 0;
  int bAngleFollows = 1;
  double dAngle = 0.0;
  int clrFore = 0;
  int clrBack = 0;
};

class PreviewLabels {
 public:
  static constexpr double kLabelHeight = 0.0015;          // drawn height of every preview label
  static constexpr double kLabelWidth = 0.001;            // drawn width of every preview label
  static constexpr double kPreparedLabelWidth = 0.00075;  // width of a freshly prepared symbol's
  static constexpr int kLabels = 8;  // the labels this object places: a record's slots

  // `mapScale` is the map's Scale property (divides the middle-position offsets on load and
  // shift); 0 or a value that is not finite is used as 1.
  PreviewLabels(IPreviewEntity& entity, double mapScale) : m_entity(entity), m_dScale(mapScale) {}

  // The map's scale for what follows (the map may have been zoomed since the last call).
  void SetMapScale(double mapScale) { m_dScale = mapScale; }

  // Puts symbol `index` of `library` onto the entity: attribute flags, the symbol reference
  // block, base point (0, 0, 0), the extent as a four-point outline, and the eight label slots
  // at width 0.00075 and height 0.0015.
  void PrepareSymbol(const ISymbolLibrary& library, int index);

  void SetCount(int count);
  // Label i shows `slot` in the order the kernel expects: text, shown, anchor (middle positions,
  // loading rule), position, the preview's sizes, angle-follows, angle, colours.
  void ShowSlot(int i, const PreviewSlot& slot);
  // The user chose `code` for label i in the grid: anchor by the choosing rule, then the code.
  void PlaceChosen(int i, int code);
  // Label j moves to j - 1 (text, shown, position with its anchor by the loading rule, sizes,
  // angle-follows, angle; not the colours), then label j is reset.
  void Shift(int j);
  // Labels a and b trade everything Shift moves, a label at a middle position keeping the anchor
  // it had (placed by either rule); the caller sets their colours.
  void Swap(int a, int b);
  // Label j as an unused slot: the entity's own text, hidden, position 0, the record's default
  // size 0.003 × 0.0015, following the symbol's angle at 0.0.
  void Reset(int j);

  // The text as the kernel's 100-byte label buffer holds it: cut to 99 bytes before a
  // double-byte character that would not fit whole.
  void SetText(int i, const std::string& text);
  void SetVisible(int i, int visible);
  void SetAngleFollows(int i, int follows);
  // Sets the angle only when label i does not follow the symbol's angle.
  void SetAngleUnlessFollowing(int i, double angle);
  void SetFore(int i, int colour);
  void SetBack(int i, int colour);

 private:
  struct LabelValues;
  void ReadLabel(int j, LabelValues& label);
  // Label j takes `label`.  At a middle position it is anchored where `label` was when
  // `keepAnchor` is set and its anchor is known, else by the loading rule.
  void WriteLabel(int j, LabelValues& label, bool keepAnchor);
  void SetAnchorY(int i, double y);
  // A label at a middle position gets its anchor by the loading rule; others none.
  void AnchorLoaded(int i, int position);
  void BasePoint(double point[3]);
  double SymbolSize();

  IPreviewEntity& m_entity;
  double m_dScale;
  // The anchor y each label was given last; none for a label at an ordinary position.
  bool m_bAnchored[kLabels] = {};
  double m_dAnchorY[kLabels] = {};
};
