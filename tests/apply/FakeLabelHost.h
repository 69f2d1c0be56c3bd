// An in-memory ILabelHost for the label tests: entities with their labels, device data per id,
// the display settings and a log of every call that changes something or reaches the map.
#pragma once

#include <cstdlib>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "LabelHost.h"

namespace vjd::annotation::testing {

struct FakeLabel {
  std::string text;
  int visible = 1;
  int position = 0;
};

struct FakeEntity {
  FakeEntity() = default;
  FakeEntity(std::string k, std::string n = "", bool m = false, bool s = false,
             std::vector<FakeLabel> l = {})
      : kind(std::move(k)), name(std::move(n)), motor(m), shortPoint(s), labels(std::move(l)) {}
  std::string kind;
  std::string name;
  bool motor = false;
  bool shortPoint = false;
  std::vector<FakeLabel> labels;
};

struct FakeDevice {
  static FakeDevice Motor(std::string model) {
    FakeDevice d;
    d.hasMotor = true;
    d.motorModel = std::move(model);
    return d;
  }
  bool hasMotor = false;
  std::string motorModel;
  bool hasLength = false;
  std::string length, runCount;
  bool hasType = false;
  std::string cableData = "1", model, spec;
  bool hasCurrent = false;
  std::string current;
};

struct AnnotateCall {
  int mode;
  std::string kind;
  int handle;
  bool hadTexts;
  std::vector<std::string> texts;
  int flag;
};

class FakeLabelHost : public ILabelHost {
 public:
  std::map<int, FakeEntity> entities;  // by handle
  std::map<int, FakeDevice> devices;   // by id
  std::map<std::string, int> settings;
  std::vector<std::string> log;  // "SetShowMotorName 1", "UpdateEntities 2", ...
  std::vector<AnnotateCall> annotations;
  std::vector<std::vector<int>> updates;
  std::vector<std::string> storedKinds;  // kinds HasKindConfiguration answers true for
  int defaultVisible = 1;
  double mapScale = 1.0;
  std::function<std::string(const std::string&)> format = [](const std::string& t) { return t; };

  // Entities erased from the drawing: the kernel knows their kind no more.
  std::set<int> erased;
  // Every call that named an entity (GetEntityKind aside), by handle.
  std::map<int, int> callsOn;

  int GetEntityKind(int h) override { return erased.count(h) ? 0 : 28; }
  std::string GetKindName(int h) override { return On(h).kind; }
  std::string GetEntityName(int h) override { return On(h).name; }
  int GetLabelCount(int h) override { return static_cast<int>(On(h).labels.size()); }
  void SetLabelCount(int h, int n) override {
    On(h);
    log.push_back("SetLabelCount " + std::to_string(n));
    entities[h].labels.resize(n);
  }
  std::string GetLabelText(int h, int j) override { return Label(h, j).text; }
  void SetLabelText(int h, int j, const std::string& t) override {
    log.push_back("SetLabelText " + std::to_string(j));
    Label(h, j).text = t;
  }
  int GetLabelVisible(int h, int j) override { return Label(h, j).visible; }
  void SetLabelVisible(int h, int j, int v) override {
    log.push_back("SetLabelVisible " + std::to_string(j) + " " + std::to_string(v));
    Label(h, j).visible = v;
  }
  void SetLabelPosition(int h, int j, int code) override {
    log.push_back("SetLabelPosition " + std::to_string(j) + " " + std::to_string(code));
    Label(h, j).position = code;
  }

  std::string GetMotorModel(int id) override {
    return devices[id].hasMotor ? devices[id].motorModel : "";
  }
  void GetCableLength(int id, std::string& runCount, std::string& length) override {
    if (!devices[id].hasLength) return;
    runCount = devices[id].runCount;
    length = devices[id].length;
  }
  void GetCableType(int id, std::string& model, std::string& spec) override {
    if (!devices[id].hasType) return;
    model = devices[id].model;
    spec = devices[id].spec;
  }
  bool HasCableData(int id) override {
    return devices[id].hasType && std::atof(devices[id].cableData.c_str()) != 0.0;
  }
  std::string GetShortCircuitCurrent(int id) override {
    return devices[id].hasCurrent ? devices[id].current : "";
  }

  void SetShowMotorModel(int v) override { Set("ShowMotorModel", v); }
  void SetShowMotorName(int v) override { Set("ShowMotorName", v); }
  void SetShowCableLabel(int v) override { Set("ShowCableLabel", v); }
  void SetShowCableName(int v) override { Set("ShowCableName", v); }
  void SetOneLineCableLabel(int v) override { Set("OneLineCableLabel", v); }
  void SetShowShortPointName(int v) override { Set("ShowShortPointName", v); }
  void SetShowShortCurrent(int v) override { Set("ShowShortCurrent", v); }
  void SetShowNameOnDraw(int v) override { Set("ShowNameOnDraw", v); }

  bool IsMotorSymbol(int h) override { return On(h).motor; }
  bool IsShortCircuitPoint(int h) override { return On(h).shortPoint; }
  bool HasKindConfiguration(const std::string& kind) override {
    for (const auto& k : storedKinds)
      if (k == kind) return true;
    return false;
  }
  int GetDefaultLabelVisible() override { return defaultVisible; }
  int AnnotateEntity(int mode, const std::string& kind, int* handle,
                     const std::vector<std::string>* texts, int flag) override {
    On(*handle);
    log.push_back("AnnotateEntity " + std::to_string(*handle));
    annotations.push_back(
        {mode, kind, *handle, texts != nullptr, texts ? *texts : std::vector<std::string>{}, flag});
    return 1;
  }
  std::string FormatNumberText(const std::string& t) override { return format(t); }

  void BeginOperation(const std::string& name) override { log.push_back("BeginOperation " + name); }
  void RecordEntity(int h) override {
    On(h);
    log.push_back("RecordEntity " + std::to_string(h));
  }
  void UpdateEntities(const std::vector<int>& ids) override {
    log.push_back("UpdateEntities " + std::to_string(ids.size()));
    updates.push_back(ids);
  }
  void Refresh() override { log.push_back("Refresh"); }
  void SetChangedFlag(bool c) override {
    log.push_back(std::string("ChangedFlag ") + (c ? "1" : "0"));
  }
  double GetMapScale() override { return mapScale; }

  // Helpers for the tests.
  void AddEntity(int handle, FakeEntity e) { entities[handle] = std::move(e); }
  std::vector<std::string> Texts(int h) {
    std::vector<std::string> out;
    for (const auto& l : entities[h].labels) out.push_back(l.text);
    return out;
  }
  int Count(const std::string& prefix) const {
    int n = 0;
    for (const auto& l : log)
      if (l.compare(0, prefix.size(), prefix) == 0) ++n;
    return n;
  }

 private:
  FakeEntity& On(int h) {
    ++callsOn[h];
    return entities[h];
  }
  FakeLabel& Label(int h, int j) {
    auto& labels = On(h).labels;
    if (j >= static_cast<int>(labels.size())) labels.resize(j + 1);
    return labels[j];
  }
  void Set(const std::string& name, int v) {
    settings[name] = v;
    log.push_back("Set" + name + " " + std::to_string(v));
  }
};

}  // namespace vjd::annotation::testing
