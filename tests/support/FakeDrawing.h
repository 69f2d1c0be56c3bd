// FakeDrawing: the in-memory drawing that FakeLabelHost answers from (entities by handle with
// their labels, device data by id, the display settings, the kinds that have a stored
// configuration), itself an ILabelHost that only reads and changes it: no record, no hooks.  A
// benchmark times its runs on a bare copy, so that the host costs what the drawing costs.  The
// handles and ids are small non-negative numbers: they index its tables, which grow to them.
#pragma once

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "LabelHost.h"
#include "quarnkernel.h"

namespace vjd::testing {

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

// Device data by item: an item that is not there gives what the map gives for it.
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
  double cableData = 1;  // the cable data item's value: 0 for none
  std::string model, spec;
  bool hasCurrent = false;
  std::string current;
};

class FakeDrawing : public annotation::ILabelHost {
 public:
  FakeEntity& Entity(int handle) { return At(m_entities, handle); }
  FakeDevice& Device(int id) { return At(m_devices, id); }
  void AddEntity(int handle, FakeEntity e) { Entity(handle) = std::move(e); }
  std::vector<std::string> Texts(int handle);
  int Setting(const std::string& name) const;  // "ShowMotorName", as the setter is named
  std::vector<std::string> storedKinds;        // the kinds HasKindConfiguration finds
  std::set<int> erased;  // entities gone from the drawing: the kernel knows their kind no more
  int defaultVisible = 1;
  double mapScale = 1.0;
  std::function<std::string(const std::string&)> format;  // FormatNumberText; none: unchanged
  // What AnnotateEntity does to the entity's labels; none: nothing.
  std::function<void(FakeEntity&, const std::vector<std::string>* texts)> layout;

  int GetEntityKind(int h) override {
    return erased.count(h) ? QK_KIND_NONE : QK_KIND_DEVICE_SYMBOL;
  }
  std::string GetKindName(int h) override { return Entity(h).kind; }
  std::string GetEntityName(int h) override { return Entity(h).name; }
  int GetLabelCount(int h) override { return static_cast<int>(Entity(h).labels.size()); }
  void SetLabelCount(int h, int n) override { Entity(h).labels.resize(static_cast<size_t>(n)); }
  std::string GetLabelText(int h, int j) override { return Label(h, j).text; }
  void SetLabelText(int h, int j, const std::string& t) override { Label(h, j).text = t; }
  int GetLabelVisible(int h, int j) override { return Label(h, j).visible; }
  void SetLabelVisible(int h, int j, int v) override { Label(h, j).visible = v; }
  void SetLabelPosition(int h, int j, int code) override { Label(h, j).position = code; }
  std::string GetMotorModel(int id) override {
    return Device(id).hasMotor ? Device(id).motorModel : "";
  }
  void GetCableLength(int id, std::string& runCount, std::string& length) override;
  void GetCableType(int id, std::string& model, std::string& spec) override;
  bool HasCableData(int id) override { return Device(id).hasType && Device(id).cableData != 0; }
  std::string GetShortCircuitCurrent(int id) override {
    return Device(id).hasCurrent ? Device(id).current : "";
  }
  void SetShowMotorModel(int v) override { m_settings[0] = v; }
  void SetShowMotorName(int v) override { m_settings[1] = v; }
  void SetShowCableLabel(int v) override { m_settings[2] = v; }
  void SetShowCableName(int v) override { m_settings[3] = v; }
  void SetOneLineCableLabel(int v) override { m_settings[4] = v; }
  void SetShowShortPointName(int v) override { m_settings[5] = v; }
  void SetShowShortCurrent(int v) override { m_settings[6] = v; }
  void SetShowNameOnDraw(int v) override { m_settings[7] = v; }
  bool IsMotorSymbol(int h) override { return Entity(h).motor; }
  bool IsShortCircuitPoint(int h) override { return Entity(h).shortPoint; }
  bool HasKindConfiguration(const std::string& kind) override {
    return std::find(storedKinds.begin(), storedKinds.end(), kind) != storedKinds.end();
  }
  int GetDefaultLabelVisible() override { return defaultVisible; }
  int AnnotateEntity(int, const std::string&, int* handle, const std::vector<std::string>* texts,
                     int) override {
    if (layout) layout(Entity(*handle), texts);
    return 1;
  }
  std::string FormatNumberText(const std::string& t) override { return format ? format(t) : t; }
  void BeginOperation(const std::string&) override {}
  void RecordEntity(int) override {}
  void UpdateEntities(const std::vector<int>&) override {}
  void Refresh() override {}
  void SetChangedFlag(bool) override {}
  double GetMapScale() override { return mapScale; }

  // The setters by their index, in the order of the interface.
  static constexpr const char* kSettings[8] = {
      "ShowMotorModel",    "ShowMotorName",      "ShowCableLabel",   "ShowCableName",
      "OneLineCableLabel", "ShowShortPointName", "ShowShortCurrent", "ShowNameOnDraw"};

 protected:
  int m_settings[8] = {};

 private:
  FakeLabel& Label(int h, int j) { return At(Entity(h).labels, j); }
  // Element `i` of `table`, grown to hold it; the growing out of line, so that a plain call stays
  // as cheap as the reading.
  template <typename T>
  static T& At(std::vector<T>& table, int i) {
    return static_cast<size_t>(i) < table.size() ? table[static_cast<size_t>(i)] : Grown(table, i);
  }
  template <typename T>
  __attribute__((noinline)) static T& Grown(std::vector<T>& table, int i) {
    table.resize(static_cast<size_t>(i) + 1);
    return table.back();
  }

  std::vector<FakeEntity> m_entities;
  std::vector<FakeDevice> m_devices;
};

}  // namespace vjd::testing
