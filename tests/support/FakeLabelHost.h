// FakeLabelHost: the one ILabelHost of the tests and the benchmarks.  It answers from a drawing of
// its own (entities by handle with their labels, device data by id, the display settings, the
// kinds that have a stored configuration), or, given another host, passes every call on to it.
// Either way it records every call while `recording` is on, for a test to read (Log: the calls that
// change something or reach the map, as "SetLabelCount 2") or a benchmark to replay against another
// host, and runs `enter` and `leave` around each call when they are set (a benchmark's heap
// account).  The handles and ids of its own drawing are small non-negative numbers: they index its
// tables.  Copyable: each run of a benchmark starts from a copy of the same drawing.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "LabelHost.h"

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
  std::string cableData = "1", model, spec;
  bool hasCurrent = false;
  std::string current;
};

class FakeLabelHost : public annotation::ILabelHost {
 public:
  enum class Op {
    KindName,
    EntityName,
    LabelCount,
    SetLabelCount,
    LabelText,
    SetLabelText,
    LabelVisible,
    SetLabelVisible,
    SetLabelPosition,
    MotorModel,
    CableLength,
    CableType,
    HasCableData,
    ShortCurrent,
    SetSetting,
    IsMotor,
    IsShortPoint,
    HasKind,
    DefaultVisible,
    Annotate,
    Format,
    BeginOperation,
    RecordEntity,
    UpdateEntities,
    Refresh,
    ChangedFlag,
    MapScale,
    Note  // a line of the test's own (Note)
  };
  // One call with its arguments: `handle` the entity's (0 for a call on none), `a` and `b` the
  // other numbers in order (a device id; a label and its value; a setting and its value; the
  // mode and flag of a layout), `text` the text, kind or name, `texts` and `ids` the lists.
  struct Call {
    Op op = Op::Note;
    int handle = 0, a = 0, b = 0;
    std::string text;
    bool hasTexts = false;
    std::vector<std::string> texts;
    std::vector<int> ids;
  };
  struct Annotation {
    int mode;
    std::string kind;
    int handle;
    bool hadTexts;
    std::vector<std::string> texts;
    int flag;
  };

  explicit FakeLabelHost(annotation::ILabelHost* inner = nullptr) : m_inner(inner) {}

  // The drawing.  A handle or id not yet there is added, empty.
  FakeEntity& Entity(int handle);
  FakeDevice& Device(int id);
  void AddEntity(int handle, FakeEntity e) { Entity(handle) = std::move(e); }
  std::vector<std::string> Texts(int handle);
  int Setting(const std::string& name) const;  // "ShowMotorName", as the setter is named
  std::vector<std::string> storedKinds;        // the kinds HasKindConfiguration finds
  int defaultVisible = 1;
  double mapScale = 1.0;
  std::function<std::string(const std::string&)> format;  // FormatNumberText; none: unchanged
  // What AnnotateEntity does to the entity's labels; none: nothing.
  std::function<void(FakeEntity&, const std::vector<std::string>* texts)> layout;

  // The record.
  bool recording = true;
  std::vector<Call> calls;
  void Note(std::string line);
  std::vector<std::string> Log() const;
  int Count(const std::string& prefix) const;  // lines of Log that start with `prefix`
  std::vector<Annotation> Annotations() const;
  std::vector<std::vector<int>> Updates() const;  // the ids of each UpdateEntities
  // Makes `calls` again, in order and with the same arguments, on `host`; entity handles shifted
  // by `handleOffset` (a drawing rebuilt in a kernel gets new handles).
  static void Replay(const std::vector<Call>& calls, annotation::ILabelHost& host,
                     int handleOffset = 0);

  void (*enter)() = nullptr;
  void (*leave)() = nullptr;

  std::string GetKindName(int h) override;
  std::string GetEntityName(int h) override;
  int GetLabelCount(int h) override;
  void SetLabelCount(int h, int n) override;
  std::string GetLabelText(int h, int j) override;
  void SetLabelText(int h, int j, const std::string& t) override;
  int GetLabelVisible(int h, int j) override;
  void SetLabelVisible(int h, int j, int v) override;
  void SetLabelPosition(int h, int j, int code) override;
  std::string GetMotorModel(int id) override;
  void GetCableLength(int id, std::string& runCount, std::string& length) override;
  void GetCableType(int id, std::string& model, std::string& spec) override;
  bool HasCableData(int id) override;
  std::string GetShortCircuitCurrent(int id) override;
  void SetShowMotorModel(int v) override { Set(0, v); }
  void SetShowMotorName(int v) override { Set(1, v); }
  void SetShowCableLabel(int v) override { Set(2, v); }
  void SetShowCableName(int v) override { Set(3, v); }
  void SetOneLineCableLabel(int v) override { Set(4, v); }
  void SetShowShortPointName(int v) override { Set(5, v); }
  void SetShowShortCurrent(int v) override { Set(6, v); }
  void SetShowNameOnDraw(int v) override { Set(7, v); }
  bool IsMotorSymbol(int h) override;
  bool IsShortCircuitPoint(int h) override;
  bool HasKindConfiguration(const std::string& kind) override;
  int GetDefaultLabelVisible() override;
  int AnnotateEntity(int mode, const std::string& kind, int* handle,
                     const std::vector<std::string>* texts, int flag) override;
  std::string FormatNumberText(const std::string& t) override;
  void BeginOperation(const std::string& name) override;
  void RecordEntity(int h) override;
  void UpdateEntities(const std::vector<int>& ids) override;
  void Refresh() override;
  void SetChangedFlag(bool changed) override;
  double GetMapScale() override;

 private:
  // One call's extent: `enter` and `leave` around it, and its record (null while not recording).
  class Scope;
  static void SetOn(annotation::ILabelHost& host, int setting, int value);
  void Set(int setting, int value);
  FakeLabel& Label(int h, int j);

  annotation::ILabelHost* m_inner;
  std::vector<FakeEntity> m_entities;
  std::vector<FakeDevice> m_devices;
  int m_settings[8] = {};
};

}  // namespace vjd::testing
