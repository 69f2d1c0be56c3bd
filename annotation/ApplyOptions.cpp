#include "ApplyOptions.h"

#include <exception>

#include "KindLabelUpdate.h"
#include "LabelComposer.h"

namespace vjd::annotation {

namespace {

// Each rewrite sets `changed` before its first write to the entity, so that the map hears of an
// entity changed part-way when a later call fails.

// Motor labels are edited in place; the label count stays.
void RewriteMotor(ILabelHost& host, const DisplayOptions& options, int handle, int id,
                  bool& changed) {
  std::string model = host.GetMotorModel(id);
  std::string name = host.GetEntityName(handle);
  int count = host.GetLabelCount(handle);
  for (int label = 0; label < count; ++label) {
    std::string text = host.GetLabelText(handle, label);
    auto composed = ComposeMotorLabel(text, name, model, options.bShowMotorName != 0,
                                      options.bShowMotorModel != 0);
    if (!composed) continue;
    changed = true;
    host.SetLabelText(handle, label, *composed);
  }
}

// Cable labels are rebuilt: one label in the one-line form, two otherwise.
void RewriteCable(ILabelHost& host, const DisplayOptions& options, int handle, int id,
                  bool& changed) {
  if (!host.HasCableData(id)) return;
  const int visible = options.bShowCableLabel;
  int count = host.GetLabelCount(handle);
  for (int label = 0; label < count; ++label) {
    if (host.GetLabelVisible(handle, label) == visible) continue;
    changed = true;
    host.SetLabelVisible(handle, label, visible);
  }
  std::string name = host.GetEntityName(handle);
  std::string runCount, length, model, spec;
  changed = true;  // rebuilt in either form
  if (options.bOneLine) {
    host.SetLabelCount(handle, 1);
    host.GetCableLength(id, runCount, length);
    host.GetCableType(id, model, spec);
    length = host.FormatNumberText(length);
    spec = host.FormatNumberText(spec);
    host.SetLabelText(
        handle, 0,
        ComposeOneLineCableLabel(name, model, spec, length, runCount, options.bShowCableName != 0));
    host.SetLabelVisible(handle, 0, visible);
  } else {
    host.SetLabelCount(handle, 2);
    host.GetCableLength(id, runCount, length);
    host.GetCableType(id, model, spec);
    length = host.FormatNumberText(length);
    host.SetLabelText(handle, 0, ComposeCableNameLabel(name, length, runCount));
    host.SetLabelVisible(handle, 0, visible);
    host.SetLabelText(handle, 1, CableModelLabel(model));
    host.SetLabelVisible(handle, 1, visible);
  }
}

// What the visit of every entity would otherwise make anew: the kind names as the host takes
// them, and the one-text array of the short-circuit points.
struct VisitScratch {
  const std::string cableKind = kCableKindName;
  const std::string shortCircuitKind = kShortCircuitKindName;
  std::vector<std::string> texts = std::vector<std::string>(1);
};

void RewriteShortCircuit(ILabelHost& host, const DisplayOptions& options, int handle, int id,
                         VisitScratch& scratch, bool& changed) {
  std::string current = host.GetShortCircuitCurrent(id);
  if (IsMissingShortCircuitCurrent(current)) return;
  std::string name = host.GetEntityName(handle);
  std::vector<std::string>& texts = scratch.texts;
  ComposeShortCircuitText(name, current, options.bShowShortCurrent != 0,
                          options.bShowNameOnDraw != 0, texts[0]);
  changed = true;
  if (host.HasKindConfiguration(scratch.shortCircuitKind)) {
    int copy = handle;
    host.AnnotateEntity(0, scratch.shortCircuitKind, &copy, &texts, 0);
  } else {
    host.SetLabelCount(handle, 1);
    host.SetLabelVisible(handle, 0, host.GetDefaultLabelVisible());
    host.SetLabelText(handle, 0, texts[0]);
    host.SetLabelPosition(handle, 0, 0);  // "右上"
  }
}

}  // namespace

OptionSnapshot SnapshotOf(const DisplayOptions& options) {
  return OptionSnapshot{options.bShowMotorName, options.bShowMotorModel, options.bShowCableName,
                        options.bShowCableLabel, options.bOneLine};
}

void StoreDisplayOptions(ILabelHost& host, const DisplayOptions& options,
                         OptionSnapshot& snapshot) {
  if (options.bShowMotorModel != snapshot.bShowMotorModel)
    host.SetShowMotorModel(options.bShowMotorModel);
  if (options.bShowMotorName != snapshot.bShowMotorName)
    host.SetShowMotorName(options.bShowMotorName);
  if (options.bShowCableLabel != snapshot.bShowCableLabel)
    host.SetShowCableLabel(options.bShowCableLabel);
  if (options.bShowCableName != snapshot.bShowCableName)
    host.SetShowCableName(options.bShowCableName);
  if (options.bOneLine != snapshot.bOneLine) host.SetOneLineCableLabel(options.bOneLine);
  host.SetShowShortPointName(options.bShowShortName);
  host.SetShowShortCurrent(options.bShowShortCurrent);
  host.SetShowNameOnDraw(options.bShowNameOnDraw);
  snapshot = SnapshotOf(options);
}

std::vector<int> RewriteDeviceLabels(ILabelHost& host, const DisplayOptions& options,
                                     const int* handles, const int* ids, int count) {
  std::vector<int> changedIds;
  std::exception_ptr failure;
  int id = 0;
  bool changed = false;  // the entity `id` has had a write and is not listed yet
  try {
    VisitScratch scratch;
    for (int i = 0; handles && ids && i < count; ++i) {
      const int handle = handles[i];
      id = ids[i];
      if (!IsDeviceSymbolKind(host.GetEntityKind(handle))) continue;  // erased meanwhile
      std::string kind = host.GetKindName(handle);
      if (host.IsMotorSymbol(handle)) {
        if (options.bConfigMotor) RewriteMotor(host, options, handle, id, changed);
      } else if (kind == scratch.cableKind) {
        if (options.bConfigCable) RewriteCable(host, options, handle, id, changed);
      } else if (host.IsShortCircuitPoint(handle)) {
        if (options.bConfigShort) RewriteShortCircuit(host, options, handle, id, scratch, changed);
      }
      if (changed) changedIds.push_back(id);
      changed = false;
    }
  } catch (...) {
    failure = std::current_exception();  // out of memory part-way, say
    // The entity a failed call left half rewritten has changed too.
    try {
      if (changed) changedIds.push_back(id);
    } catch (...) {
    }
  }
  // The map hears of the labels written so far in every case.
  host.UpdateEntities(changedIds);
  host.Refresh();
  host.SetChangedFlag(true);
  if (failure) std::rethrow_exception(failure);
  return changedIds;
}

std::vector<int> ApplyOptions(ILabelHost& host, const DisplayOptions& options,
                              OptionSnapshot& snapshot, const int* handles, const int* ids,
                              int count) {
  StoreDisplayOptions(host, options, snapshot);
  return RewriteDeviceLabels(host, options, handles, ids, count);
}

}  // namespace vjd::annotation
