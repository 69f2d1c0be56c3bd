// The eight display settings of the library, held for the process (see VellJDLabels.h).
#define VELLJDBASE_BUILD
#include "VellJDLabels.h"

namespace {

struct DisplaySettings {
  int showMotorModel = 1;
  int showMotorName = 1;
  int showCableLabel = 1;
  int showCableName = 0;
  int oneLineCableLabel = 1;
  int showShortPointName = 1;
  int showShortCurrent = 1;
  int showNameOnDraw = 1;
};

DisplaySettings& Settings() {
  static DisplaySettings settings;
  return settings;
}

int AsFlag(int value) {
  return value != 0 ? 1 : 0;
}

}  // namespace

extern "C" {

int VJDLABELS_CALL GetShowMotorModel(void) {
  return Settings().showMotorModel;
}
void VJDLABELS_CALL SetShowMotorModel(int v) {
  Settings().showMotorModel = AsFlag(v);
}
int VJDLABELS_CALL GetShowMotorName(void) {
  return Settings().showMotorName;
}
void VJDLABELS_CALL SetShowMotorName(int v) {
  Settings().showMotorName = AsFlag(v);
}
int VJDLABELS_CALL GetShowCableLabel(void) {
  return Settings().showCableLabel;
}
void VJDLABELS_CALL SetShowCableLabel(int v) {
  Settings().showCableLabel = AsFlag(v);
}
int VJDLABELS_CALL GetShowCableName(void) {
  return Settings().showCableName;
}
void VJDLABELS_CALL SetShowCableName(int v) {
  Settings().showCableName = AsFlag(v);
}
int VJDLABELS_CALL GetOneLineCableLabel(void) {
  return Settings().oneLineCableLabel;
}
void VJDLABELS_CALL SetOneLineCableLabel(int v) {
  Settings().oneLineCableLabel = AsFlag(v);
}
int VJDLABELS_CALL GetShowShortPointName(void) {
  return Settings().showShortPointName;
}
void VJDLABELS_CALL SetShowShortPointName(int v) {
  Settings().showShortPointName = AsFlag(v);
}
int VJDLABELS_CALL GetShowShortCurrent(void) {
  return Settings().showShortCurrent;
}
void VJDLABELS_CALL SetShowShortCurrent(int v) {
  Settings().showShortCurrent = AsFlag(v);
}
int VJDLABELS_CALL GetShowNameOnDraw(void) {
  return Settings().showNameOnDraw;
}
void VJDLABELS_CALL SetShowNameOnDraw(int v) {
  Settings().showNameOnDraw = AsFlag(v);
}

}  // extern "C"
