#include "OptionBoxes.h"

namespace vjd::annotation {

int DisplayOptions::*OptionValue(OptionBox box) {
  switch (box) {
    case OptionBox::kShowMotorName:
      return &DisplayOptions::bShowMotorName;
    case OptionBox::kShowMotorModel:
      return &DisplayOptions::bShowMotorModel;
    case OptionBox::kConfigMotor:
      return &DisplayOptions::bConfigMotor;
    case OptionBox::kShowCableName:
      return &DisplayOptions::bShowCableName;
    case OptionBox::kShowCableLabel:
      return &DisplayOptions::bShowCableLabel;
    case OptionBox::kOneLine:
      return &DisplayOptions::bOneLine;
    case OptionBox::kConfigCable:
      return &DisplayOptions::bConfigCable;
    case OptionBox::kShowShortName:
      return &DisplayOptions::bShowShortName;
    case OptionBox::kConfigShort:
      return &DisplayOptions::bConfigShort;
    case OptionBox::kShowNameOnDraw:
      return &DisplayOptions::bShowNameOnDraw;
    case OptionBox::kShowShortCurrent:
      break;
  }
  return &DisplayOptions::bShowShortCurrent;
}

BoxReaction ReactToOptionBox(OptionBox box, DisplayOptions& options) {
  BoxReaction reaction;
  auto enable = [&reaction](bool enabled, std::initializer_list<OptionBox> boxes) {
    for (OptionBox b : boxes) reaction.enablings.push_back({b, enabled});
  };
  switch (box) {
    case OptionBox::kConfigMotor:
      enable(options.bConfigMotor != 0, {OptionBox::kShowMotorModel, OptionBox::kShowMotorName});
      break;
    case OptionBox::kConfigCable:
      enable(options.bConfigCable != 0,
             {OptionBox::kShowCableLabel, OptionBox::kOneLine, OptionBox::kShowCableName});
      break;
    case OptionBox::kConfigShort:
      enable(options.bConfigShort != 0, {OptionBox::kShowShortName});
      break;
    case OptionBox::kOneLine:
      enable(options.bOneLine != 0, {OptionBox::kShowCableName});
      break;
    case OptionBox::kShowShortCurrent:
      if (!options.bShowShortCurrent) {
        options.bShowShortName = 1;
        reaction.boxesChanged = true;
      }
      break;
    default:
      break;
  }
  return reaction;
}

BoxReaction OpenOptionBoxes(DisplayOptions& options) {
  options.bConfigMotor = options.bConfigCable = options.bConfigShort = 0;
  BoxReaction reaction;
  reaction.boxesChanged = true;
  for (OptionBox box :
       {OptionBox::kConfigMotor, OptionBox::kConfigCable, OptionBox::kConfigShort}) {
    BoxReaction group = ReactToOptionBox(box, options);
    reaction.enablings.insert(reaction.enablings.end(), group.enablings.begin(),
                              group.enablings.end());
  }
  return reaction;
}

}  // namespace vjd::annotation
