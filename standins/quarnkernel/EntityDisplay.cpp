#include "EntityDisplay.h"

#include <cmath>

#include "DisplayReader.h"
#include "SymbolLibrary.h"

namespace qk {

EntityView ViewOf(const Entity& entity) {
  EntityView view;
  view.symbol = TheSymbolLibrary().At(entity.symbolIndex);
  view.x = entity.basePoint[0];
  view.y = entity.basePoint[1];
  view.angle = entity.angle;
  if (view.symbol) {
    double w = std::fabs(view.symbol->x2 - view.symbol->x1);
    double h = std::fabs(view.symbol->y2 - view.symbol->y1);
    view.scaleX = w > 1e-12 && entity.symbolWidth > 0 ? entity.symbolWidth / w : 1.0;
    view.scaleY = h > 1e-12 && entity.symbolHeight > 0 ? entity.symbolHeight / h : 1.0;
  }
  view.points = entity.points;
  for (size_t i = 0; i + 2 < entity.outline.size(); i += 3) {
    view.outline.push_back(entity.outline[i]);
    view.outline.push_back(entity.outline[i + 1]);
  }
  for (const Label& label : entity.labels) {
    LabelView lv;
    lv.text = label.text;
    lv.visible = label.visible;
    lv.position = label.position;
    lv.height = label.height;
    lv.width = label.width;
    lv.angle = label.angle;
    lv.follows = label.follows;
    lv.fore = label.fore;
    lv.back = label.back;
    lv.hasAnchor = label.hasAnchor;
    lv.anchorX = label.anchor[0];
    lv.anchorY = label.anchor[1];
    view.labels.push_back(lv);
  }
  return view;
}

std::vector<uint8_t> DisplayDataOf(const Entity& entity, bool prepare) {
  std::vector<uint8_t> data = BuildDisplayData(ViewOf(entity));
  if (prepare && !data.empty()) DisplayReader::Prepare(data.data());
  return data;
}

}  // namespace qk
