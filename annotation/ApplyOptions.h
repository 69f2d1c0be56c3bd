// The "应用" operation of the configuration window, without the window: storing the eight display
// settings and rewriting the motor, cable and short-circuit labels of every listed device symbol
// from the settings and the device data.  The window owns the option values and the snapshot and
// hands them in; the entity lists are borrowed for the call.
#pragma once

#include <string>
#include <vector>

#include "LabelHost.h"

namespace vjd::annotation {

// The window's check boxes as Apply reads them (each 0 or 1).
struct DisplayOptions {
  int bShowMotorModel = 0, bShowMotorName = 0;                // motor labels
  int bShowCableLabel = 0, bShowCableName = 0, bOneLine = 0;  // cable labels
  int bShowShortName = 0, bShowShortCurrent = 1;              // short-circuit labels
  int bShowNameOnDraw = 1;                                    // names when drawing
  int bConfigMotor = 0, bConfigCable = 0, bConfigShort = 0;   // which families take part
};

// The stored values of the five settings that are written only when they changed.
struct OptionSnapshot {
  int bShowMotorName = 0, bShowMotorModel = 0;
  int bShowCableName = 0, bShowCableLabel = 0, bOneLine = 0;
};

// The snapshot of the given options, as the window takes it when it opens.
OptionSnapshot SnapshotOf(const DisplayOptions& options);

// Stores the settings: motor model, motor name, cable label, cable name and one-line only when
// they differ from the snapshot, then short-point name, short current and name-on-draw always.
// Afterwards the snapshot holds the stored values, so it always follows what was stored.
void StoreDisplayOptions(ILabelHost& host, const DisplayOptions& options, OptionSnapshot& snapshot);

// The label kind names the rewrite knows.
inline constexpr const char kCableKindName[] = "电缆";
inline constexpr const char kShortCircuitKindName[] = "短路点";

// Rewrites the labels of the `count` entities (handles[i] and ids[i] belong together; one that is
// no device symbol any more, erased since the list was made, is only asked its kind) and tells
// the map which changed: UpdateEntities with the changed ids (even when there are none), Refresh,
// ChangedFlag.  Returns the ids of the changed entities in visiting order.  When the host fails
// part-way (an exception), the map is told of the entities changed so far before it goes on.
std::vector<int> RewriteDeviceLabels(ILabelHost& host, const DisplayOptions& options,
                                     const int* handles, const int* ids, int count);

// The whole operation: StoreDisplayOptions, then RewriteDeviceLabels.
std::vector<int> ApplyOptions(ILabelHost& host, const DisplayOptions& options,
                              OptionSnapshot& snapshot, const int* handles, const int* ids,
                              int count);

}  // namespace vjd::annotation
