// FakeLabelHost: the one ILabelHost of the tests and the benchmarks.  It answers from its drawing
// (FakeDrawing, its base) or, given another host, passes every call on to it; either way it records
// every call while `recording` is on, for a test to read (Log: the calls that change something or
// reach the map, as "SetLabelCount 2") or a benchmark to replay against another host, and runs
// `enter` and `leave` around each call when they are set (a benchmark's heap account).
#pragma once

#include <string>
#include <vector>

#include "FakeDrawing.h"

namespace vjd::testing {

class FakeLabelHost : public FakeDrawing {
 public:
  enum class Op {
    EntityKind,
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
    Note
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

  FakeLabelHost() = default;
  explicit FakeLabelHost(const FakeDrawing& drawing) : FakeDrawing(drawing) {}
  explicit FakeLabelHost(annotation::ILabelHost* inner) : m_inner(inner) {}

  // The record: every call, and a line of the test's own (Note) among them.
  bool recording = true;
  std::vector<Call> calls;
  void Note(std::string line);
  std::vector<std::string> Log() const;
  int Count(const std::string& prefix) const;  // lines of Log that start with `prefix`
  std::vector<Annotation> Annotations() const;
  std::vector<std::vector<int>> Updates() const;  // the ids of each UpdateEntities
  int CallsOn(int handle) const;  // the calls that named the entity, GetEntityKind aside
  // Makes `calls` again, in order and with the same arguments, on `host`; entity handles shifted
  // by `handleOffset` (a drawing rebuilt in a kernel gets new handles).
  static void Replay(const std::vector<Call>& calls, annotation::ILabelHost& host,
                     int handleOffset = 0);

  void (*enter)() = nullptr;
  void (*leave)() = nullptr;

  int GetEntityKind(int h) override {
    const Scope scope(*this, Op::EntityKind, h);
    return m_inner ? m_inner->GetEntityKind(h) : FakeDrawing::GetEntityKind(h);
  }
  std::string GetKindName(int h) override {
    const Scope scope(*this, Op::KindName, h);
    return m_inner ? m_inner->GetKindName(h) : FakeDrawing::GetKindName(h);
  }
  std::string GetEntityName(int h) override {
    const Scope scope(*this, Op::EntityName, h);
    return m_inner ? m_inner->GetEntityName(h) : FakeDrawing::GetEntityName(h);
  }
  int GetLabelCount(int h) override {
    const Scope scope(*this, Op::LabelCount, h);
    return m_inner ? m_inner->GetLabelCount(h) : FakeDrawing::GetLabelCount(h);
  }
  void SetLabelCount(int h, int n) override {
    const Scope scope(*this, Op::SetLabelCount, h, n);
    return m_inner ? m_inner->SetLabelCount(h, n) : FakeDrawing::SetLabelCount(h, n);
  }
  std::string GetLabelText(int h, int j) override {
    const Scope scope(*this, Op::LabelText, h, j);
    return m_inner ? m_inner->GetLabelText(h, j) : FakeDrawing::GetLabelText(h, j);
  }
  void SetLabelText(int h, int j, const std::string& t) override {
    const Scope scope(*this, Op::SetLabelText, h, j, 0, &t);
    return m_inner ? m_inner->SetLabelText(h, j, t) : FakeDrawing::SetLabelText(h, j, t);
  }
  int GetLabelVisible(int h, int j) override {
    const Scope scope(*this, Op::LabelVisible, h, j);
    return m_inner ? m_inner->GetLabelVisible(h, j) : FakeDrawing::GetLabelVisible(h, j);
  }
  void SetLabelVisible(int h, int j, int v) override {
    const Scope scope(*this, Op::SetLabelVisible, h, j, v);
    return m_inner ? m_inner->SetLabelVisible(h, j, v) : FakeDrawing::SetLabelVisible(h, j, v);
  }
  void SetLabelPosition(int h, int j, int code) override {
    const Scope scope(*this, Op::SetLabelPosition, h, j, code);
    return m_inner ? m_inner->SetLabelPosition(h, j, code)
                   : FakeDrawing::SetLabelPosition(h, j, code);
  }
  std::string GetMotorModel(int id) override {
    const Scope scope(*this, Op::MotorModel, 0, id);
    return m_inner ? m_inner->GetMotorModel(id) : FakeDrawing::GetMotorModel(id);
  }
  void GetCableLength(int id, std::string& runCount, std::string& length) override {
    const Scope scope(*this, Op::CableLength, 0, id);
    return m_inner ? m_inner->GetCableLength(id, runCount, length)
                   : FakeDrawing::GetCableLength(id, runCount, length);
  }
  void GetCableType(int id, std::string& model, std::string& spec) override {
    const Scope scope(*this, Op::CableType, 0, id);
    return m_inner ? m_inner->GetCableType(id, model, spec)
                   : FakeDrawing::GetCableType(id, model, spec);
  }
  bool HasCableData(int id) override {
    const Scope scope(*this, Op::HasCableData, 0, id);
    return m_inner ? m_inner->HasCableData(id) : FakeDrawing::HasCableData(id);
  }
  std::string GetShortCircuitCurrent(int id) override {
    const Scope scope(*this, Op::ShortCurrent, 0, id);
    return m_inner ? m_inner->GetShortCircuitCurrent(id) : FakeDrawing::GetShortCircuitCurrent(id);
  }
  bool IsMotorSymbol(int h) override {
    const Scope scope(*this, Op::IsMotor, h);
    return m_inner ? m_inner->IsMotorSymbol(h) : FakeDrawing::IsMotorSymbol(h);
  }
  bool IsShortCircuitPoint(int h) override {
    const Scope scope(*this, Op::IsShortPoint, h);
    return m_inner ? m_inner->IsShortCircuitPoint(h) : FakeDrawing::IsShortCircuitPoint(h);
  }
  bool HasKindConfiguration(const std::string& kind) override {
    const Scope scope(*this, Op::HasKind, 0, 0, 0, &kind);
    return m_inner ? m_inner->HasKindConfiguration(kind) : FakeDrawing::HasKindConfiguration(kind);
  }
  int GetDefaultLabelVisible() override {
    const Scope scope(*this, Op::DefaultVisible);
    return m_inner ? m_inner->GetDefaultLabelVisible() : FakeDrawing::GetDefaultLabelVisible();
  }
  std::string FormatNumberText(const std::string& t) override {
    const Scope scope(*this, Op::Format, 0, 0, 0, &t);
    return m_inner ? m_inner->FormatNumberText(t) : FakeDrawing::FormatNumberText(t);
  }
  void BeginOperation(const std::string& name) override {
    const Scope scope(*this, Op::BeginOperation, 0, 0, 0, &name);
    return m_inner ? m_inner->BeginOperation(name) : FakeDrawing::BeginOperation(name);
  }
  void RecordEntity(int h) override {
    const Scope scope(*this, Op::RecordEntity, h);
    return m_inner ? m_inner->RecordEntity(h) : FakeDrawing::RecordEntity(h);
  }
  void Refresh() override {
    const Scope scope(*this, Op::Refresh);
    return m_inner ? m_inner->Refresh() : FakeDrawing::Refresh();
  }
  void SetChangedFlag(bool changed) override {
    const Scope scope(*this, Op::ChangedFlag, 0, changed);
    return m_inner ? m_inner->SetChangedFlag(changed) : FakeDrawing::SetChangedFlag(changed);
  }
  double GetMapScale() override {
    const Scope scope(*this, Op::MapScale);
    return m_inner ? m_inner->GetMapScale() : FakeDrawing::GetMapScale();
  }
  void SetShowMotorModel(int v) override { Set(0, v); }
  void SetShowMotorName(int v) override { Set(1, v); }
  void SetShowCableLabel(int v) override { Set(2, v); }
  void SetShowCableName(int v) override { Set(3, v); }
  void SetOneLineCableLabel(int v) override { Set(4, v); }
  void SetShowShortPointName(int v) override { Set(5, v); }
  void SetShowShortCurrent(int v) override { Set(6, v); }
  void SetShowNameOnDraw(int v) override { Set(7, v); }
  int AnnotateEntity(int mode, const std::string& kind, int* handle,
                     const std::vector<std::string>* texts, int flag) override;
  void UpdateEntities(const std::vector<int>& ids) override;

 private:
  // One call's extent: `enter` and `leave` around it, and its record (null while not recording).
  class Scope {
   public:
    Scope(FakeLabelHost& host, Op op, int handle = 0, int a = 0, int b = 0,
          const std::string* text = nullptr)
        : m_leave(host.leave) {
      if (host.enter || host.recording) call = host.Enter(op, handle, a, b, text);
    }
    ~Scope() {
      if (m_leave) m_leave();
    }
    Call* call = nullptr;

   private:
    void (*m_leave)();
  };
  // Runs `enter` and records the call.
  Call* Enter(Op op, int handle, int a, int b, const std::string* text);
  void Set(int setting, int value);
  static void SetOn(annotation::ILabelHost& host, int setting, int value);
  static void ReplayOne(const Call& c, annotation::ILabelHost& host, int h, std::string& s1,
                        std::string& s2);

  annotation::ILabelHost* m_inner = nullptr;
};

}  // namespace vjd::testing
