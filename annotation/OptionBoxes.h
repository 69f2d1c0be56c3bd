// The configuration window's check boxes and their rules: which boxes a "configure" box or
// "显示一行标注" enables, the short-circuit switch that must keep one of its pair ticked, and the
// opening state of the three groups.  The window reads and writes the boxes; the rules are here.
#pragma once

#include <vector>

#include "ApplyOptions.h"

namespace vjd::annotation {

enum class OptionBox {
  kShowMotorName,
  kShowMotorModel,
  kConfigMotor,
  kShowCableName,
  kShowCableLabel,
  kOneLine,
  kConfigCable,
  kShowShortName,
  kConfigShort,
  kShowNameOnDraw,
  kShowShortCurrent,
};

// The member of DisplayOptions that holds `box`.
int DisplayOptions::*OptionValue(OptionBox box);

struct BoxEnabling {
  OptionBox box;
  bool enabled;
};

// What the window shows after a rule ran: boxes to enable or disable, in this order, and whether
// the rule changed a box's value (the window then writes the boxes back).
struct BoxReaction {
  std::vector<BoxEnabling> enablings;
  bool boxesChanged = false;
};

// The user ticked or cleared `box`; `options` hold every box as it reads now.  A "configure" box
// enables or disables its group (the short-circuit current stays usable either way);
// "显示一行标注" enables the cable name box as it is ticked; clearing the short current ticks the
// short point name, so that one of the two stays on.  Other boxes have no rule.
BoxReaction ReactToOptionBox(OptionBox box, DisplayOptions& options);

// The window opens: the three "configure" boxes are cleared and their groups disabled.
BoxReaction OpenOptionBoxes(DisplayOptions& options);

}  // namespace vjd::annotation
