// An ILabelHost that passes every call on to another host and records it, so the same calls can
// be replayed later against a fresh host without the logic that made them.  Owns its record;
// borrows the host it forwards to.
#pragma once

#include <string>
#include <vector>

#include "KindLabelUpdate.h"
#include "LabelHost.h"

namespace vjd::bench {

// The window's side of a kind push as both benchmarks have it: "馈电开关" chosen, two rows in the
// grid, nothing to store.
class CPushWindow : public annotation::IKindLabelWindow {
 public:
  bool GetSelectedKind(std::string& kind) override {
    kind = "馈电开关";
    return true;
  }
  bool SaveGridConfig(const std::string&) override { return true; }
  int GetGridRowCount() override { return 2; }
};

class CRecordingHost : public annotation::ILabelHost {
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
    ChangedFlag
  };
  struct Call {
    Op op;
    int a = 0, b = 0, c = 0;
    std::string text;
    std::vector<std::string> texts;
    bool hasTexts = false;
    std::vector<int> ids;
  };

  explicit CRecordingHost(annotation::ILabelHost& inner) : m_inner(inner) {}
  const std::vector<Call>& Calls() const { return m_calls; }

  // Issues the recorded calls, in order and with the same arguments, to `host`; entity handles
  // are shifted by `handleOffset` (a drawing rebuilt in the kernel gets new handles).
  static void Replay(const std::vector<Call>& calls, annotation::ILabelHost& host,
                     int handleOffset = 0);

  int GetEntityKind(int h) override;
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
  void SetShowMotorModel(int v) override { Setting(0, v); }
  void SetShowMotorName(int v) override { Setting(1, v); }
  void SetShowCableLabel(int v) override { Setting(2, v); }
  void SetShowCableName(int v) override { Setting(3, v); }
  void SetOneLineCableLabel(int v) override { Setting(4, v); }
  void SetShowShortPointName(int v) override { Setting(5, v); }
  void SetShowShortCurrent(int v) override { Setting(6, v); }
  void SetShowNameOnDraw(int v) override { Setting(7, v); }
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
  double GetMapScale() override { return m_inner.GetMapScale(); }

 private:
  void Setting(int which, int value);
  Call& Add(Op op, int a = 0, int b = 0, int c = 0) {
    m_calls.emplace_back();
    Call& call = m_calls.back();
    call.op = op, call.a = a, call.b = b, call.c = c;
    return call;
  }
  annotation::ILabelHost& m_inner;
  std::vector<Call> m_calls;
};

}  // namespace vjd::bench
