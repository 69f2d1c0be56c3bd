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

  std::string GetKindName(int h) override {
    const Scope scope(*this, Op::KindName, h);
    return m_inner ? m_inner->GetKindName(h) : Entity(h).kind;
  }
  std::string GetEntityName(int h) override {
    const Scope scope(*this, Op::EntityName, h);
    return m_inner ? m_inner->GetEntityName(h) : Entity(h).name;
  }
  int GetLabelCount(int h) override {
    const Scope scope(*this, Op::LabelCount, h);
    return m_inner ? m_inner->GetLabelCount(h) : static_cast<int>(Entity(h).labels.size());
  }
  void SetLabelCount(int h, int n) override {
    const Scope scope(*this, Op::SetLabelCount, h, n);
    if (m_inner) return m_inner->SetLabelCount(h, n);
    Entity(h).labels.resize(static_cast<size_t>(n));
  }
  std::string GetLabelText(int h, int j) override {
    const Scope scope(*this, Op::LabelText, h, j);
    return m_inner ? m_inner->GetLabelText(h, j) : Label(h, j).text;
  }
  void SetLabelText(int h, int j, const std::string& t) override {
    const Scope scope(*this, Op::SetLabelText, h, j, 0, t);
    if (m_inner) return m_inner->SetLabelText(h, j, t);
    Label(h, j).text = t;
  }
  int GetLabelVisible(int h, int j) override {
    const Scope scope(*this, Op::LabelVisible, h, j);
    return m_inner ? m_inner->GetLabelVisible(h, j) : Label(h, j).visible;
  }
  void SetLabelVisible(int h, int j, int v) override {
    const Scope scope(*this, Op::SetLabelVisible, h, j, v);
    if (m_inner) return m_inner->SetLabelVisible(h, j, v);
    Label(h, j).visible = v;
  }
  void SetLabelPosition(int h, int j, int code) override {
    const Scope scope(*this, Op::SetLabelPosition, h, j, code);
    if (m_inner) return m_inner->SetLabelPosition(h, j, code);
    Label(h, j).position = code;
  }
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
  bool IsMotorSymbol(int h) override {
    const Scope scope(*this, Op::IsMotor, h);
    return m_inner ? m_inner->IsMotorSymbol(h) : Entity(h).motor;
  }
  bool IsShortCircuitPoint(int h) override {
    const Scope scope(*this, Op::IsShortPoint, h);
    return m_inner ? m_inner->IsShortCircuitPoint(h) : Entity(h).shortPoint;
  }
  bool HasKindConfiguration(const std::string& kind) override;
  int GetDefaultLabelVisible() override {
    const Scope scope(*this, Op::DefaultVisible);
    return m_inner ? m_inner->GetDefaultLabelVisible() : defaultVisible;
  }
  int AnnotateEntity(int mode, const std::string& kind, int* handle,
                     const std::vector<std::string>* texts, int flag) override;
  std::string FormatNumberText(const std::string& t) override {
    const Scope scope(*this, Op::Format, 0, 0, 0, t);
    return m_inner ? m_inner->FormatNumberText(t) : format ? format(t) : t;
  }
  void BeginOperation(const std::string& name) override {
    const Scope scope(*this, Op::BeginOperation, 0, 0, 0, name);
    if (m_inner) m_inner->BeginOperation(name);
  }
  void RecordEntity(int h) override {
    const Scope scope(*this, Op::RecordEntity, h);
    if (m_inner) m_inner->RecordEntity(h);
  }
  void UpdateEntities(const std::vector<int>& ids) override {
    const Scope scope(*this, Op::UpdateEntities);
    if (scope.call) scope.call->ids = ids;
    if (m_inner) m_inner->UpdateEntities(ids);
  }
  void Refresh() override {
    const Scope scope(*this, Op::Refresh);
    if (m_inner) m_inner->Refresh();
  }
  void SetChangedFlag(bool changed) override {
    const Scope scope(*this, Op::ChangedFlag, 0, changed ? 1 : 0);
    if (m_inner) m_inner->SetChangedFlag(changed);
  }
  double GetMapScale() override {
    const Scope scope(*this, Op::MapScale);
    return m_inner ? m_inner->GetMapScale() : mapScale;
  }

 private:
  // One call's extent: `enter` and `leave` around it, and its record (null while not recording).
  class Scope {
   public:
    Scope(FakeLabelHost& host, Op op, int handle = 0, int a = 0, int b = 0,
          const std::string& text = std::string());
    ~Scope() {
      if (m_leave) m_leave();
    }
    Call* call = nullptr;

   private:
    void (*m_leave)();
  };
  static void SetOn(annotation::ILabelHost& host, int setting, int value);
  static void ReplayOne(const Call& c, annotation::ILabelHost& host, int h);
  void Set(int setting, int value);
  FakeLabel& Label(int h, int j);

  annotation::ILabelHost* m_inner;
  std::vector<FakeEntity> m_entities;
  std::vector<FakeDevice> m_devices;
  int m_settings[8] = {};
};

}  // namespace vjd::testing
