// The eight display settings of the library, held for the process (see VellJDLabels.h).
#define VELLJDBASE_BUILD
#include "VellJDLabels.h"

namespace {

// As a fresh installation has them.
struct DisplaySettings {
  int showMotorModel = 1, showMotorName = 1;
  int showCableLabel = 1, showCableName = 0, oneLineCableLabel = 1;
  int showShortPointName = 1, showShortCurrent = 1;
  int showNameOnDraw = 1;
};

DisplaySettings& Settings() {
  static DisplaySettings settings;
  return settings;
}

}  // namespace

// One setting's getter and setter; the setter keeps 0 or 1.
#define VJD_DISPLAY_SETTING(Name, member)    \
  int VJDLABELS_CALL Get##Name(void) {       \
    return Settings().member;                \
  }                                          \
  void VJDLABELS_CALL Set##Name(int value) { \
    Settings().member = value != 0 ? 1 : 0;  \
  }

extern "C" {
VJD_DISPLAY_SETTING(ShowMotorModel, showMotorModel)
VJD_DISPLAY_SETTING(ShowMotorName, showMotorName)
VJD_DISPLAY_SETTING(ShowCableLabel, showCableLabel)
VJD_DISPLAY_SETTING(ShowCableName, showCableName)
VJD_DISPLAY_SETTING(OneLineCableLabel, oneLineCableLabel)
VJD_DISPLAY_SETTING(ShowShortPointName, showShortPointName)
VJD_DISPLAY_SETTING(ShowShortCurrent, showShortCurrent)
VJD_DISPLAY_SETTING(ShowNameOnDraw, showNameOnDraw)
}  // extern "C"
