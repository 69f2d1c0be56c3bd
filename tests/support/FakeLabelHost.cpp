#include "FakeLabelHost.h"

namespace vjd::testing {

namespace {

using Op = FakeLabelHost::Op;

// The line of a call that changes something or reaches the map; empty for any other.
std::string LogLine(const FakeLabelHost::Call& c) {
  const std::string h = " " + std::to_string(c.handle), a = " " + std::to_string(c.a),
                    b = " " + std::to_string(c.b);
  switch (c.op) {
    case Op::SetLabelCount:
      return "SetLabelCount" + a;
    case Op::SetLabelText:
      return "SetLabelText" + a;
    case Op::SetLabelVisible:
      return "SetLabelVisible" + a + b;
    case Op::SetLabelPosition:
      return "SetLabelPosition" + a + b;
    case Op::SetSetting:
      return "Set" + std::string(FakeDrawing::kSettings[c.a]) + b;
    case Op::Annotate:
      return "AnnotateEntity" + h;
    case Op::BeginOperation:
      return "BeginOperation " + c.text;
    case Op::RecordEntity:
      return "RecordEntity" + h;
    case Op::UpdateEntities:
      return "UpdateEntities " + std::to_string(c.ids.size());
    case Op::Refresh:
      return "Refresh";
    case Op::ChangedFlag:
      return "ChangedFlag" + a;
    case Op::Note:
      return c.text;
    default:
      return std::string();
  }
}

}  // namespace

FakeLabelHost::Call* FakeLabelHost::Enter(Op op, int handle, int a, int b,
                                          const std::string* text) {
  if (enter) enter();
  if (!recording) return nullptr;
  Call& call = calls.emplace_back();
  call.op = op, call.handle = handle, call.a = a, call.b = b;
  if (text) call.text = *text;
  return &call;
}

void FakeLabelHost::Note(std::string line) {
  calls.emplace_back();
  calls.back().text = std::move(line);
}

std::vector<std::string> FakeLabelHost::Log() const {
  std::vector<std::string> log;
  for (const Call& c : calls) {
    const std::string line = LogLine(c);
    if (!line.empty()) log.push_back(line);
  }
  return log;
}

int FakeLabelHost::Count(const std::string& prefix) const {
  int n = 0;
  for (const std::string& line : Log()) n += line.compare(0, prefix.size(), prefix) == 0;
  return n;
}

std::vector<FakeLabelHost::Annotation> FakeLabelHost::Annotations() const {
  std::vector<Annotation> annotations;
  for (const Call& c : calls)
    if (c.op == Op::Annotate)
      annotations.push_back({c.a, c.text, c.handle, c.hasTexts, c.texts, c.b});
  return annotations;
}

std::vector<std::vector<int>> FakeLabelHost::Updates() const {
  std::vector<std::vector<int>> updates;
  for (const Call& c : calls)
    if (c.op == Op::UpdateEntities) updates.push_back(c.ids);
  return updates;
}

int FakeLabelHost::CallsOn(int handle) const {
  int n = 0;
  for (const Call& c : calls) n += c.handle == handle && c.op != Op::EntityKind;
  return n;
}

void FakeLabelHost::Set(int setting, int value) {
  const Scope scope(*this, Op::SetSetting, 0, setting, value);
  if (m_inner) return SetOn(*m_inner, setting, value);
  m_settings[setting] = value;
}

void FakeLabelHost::SetOn(annotation::ILabelHost& host, int setting, int value) {
  void (annotation::ILabelHost::*const setters[8])(int) = {
      &ILabelHost::SetShowMotorModel,    &ILabelHost::SetShowMotorName,
      &ILabelHost::SetShowCableLabel,    &ILabelHost::SetShowCableName,
      &ILabelHost::SetOneLineCableLabel, &ILabelHost::SetShowShortPointName,
      &ILabelHost::SetShowShortCurrent,  &ILabelHost::SetShowNameOnDraw};
  (host.*setters[setting])(value);
}

int FakeLabelHost::AnnotateEntity(int mode, const std::string& kind, int* handle,
                                  const std::vector<std::string>* texts, int flag) {
  const Scope scope(*this, Op::Annotate, *handle, mode, flag, &kind);
  if (scope.call && texts) scope.call->hasTexts = true, scope.call->texts = *texts;
  return m_inner ? m_inner->AnnotateEntity(mode, kind, handle, texts, flag)
                 : FakeDrawing::AnnotateEntity(mode, kind, handle, texts, flag);
}

void FakeLabelHost::UpdateEntities(const std::vector<int>& ids) {
  const Scope scope(*this, Op::UpdateEntities);
  if (scope.call) scope.call->ids = ids;
  if (m_inner) m_inner->UpdateEntities(ids);
}

void FakeLabelHost::Replay(const std::vector<Call>& calls, annotation::ILabelHost& host,
                           int handleOffset) {
  std::string s1, s2;
  for (const Call& c : calls) ReplayOne(c, host, c.handle + handleOffset, s1, s2);
}

// The call `c` once more on `host`, on the entity `h` (calls on none pass no handle on).
void FakeLabelHost::ReplayOne(const Call& c, annotation::ILabelHost& host, int h, std::string& s1,
                              std::string& s2) {
  switch (c.op) {
    case Op::EntityKind:
      return void(host.GetEntityKind(h));
    case Op::KindName:
      return void(host.GetKindName(h));
    case Op::EntityName:
      return void(host.GetEntityName(h));
    case Op::LabelCount:
      return void(host.GetLabelCount(h));
    case Op::SetLabelCount:
      return host.SetLabelCount(h, c.a);
    case Op::LabelText:
      return void(host.GetLabelText(h, c.a));
    case Op::SetLabelText:
      return host.SetLabelText(h, c.a, c.text);
    case Op::LabelVisible:
      return void(host.GetLabelVisible(h, c.a));
    case Op::SetLabelVisible:
      return host.SetLabelVisible(h, c.a, c.b);
    case Op::SetLabelPosition:
      return host.SetLabelPosition(h, c.a, c.b);
    case Op::MotorModel:
      return void(host.GetMotorModel(c.a));
    case Op::CableLength:
      return host.GetCableLength(c.a, s1, s2);
    case Op::CableType:
      return host.GetCableType(c.a, s1, s2);
    case Op::HasCableData:
      return void(host.HasCableData(c.a));
    case Op::ShortCurrent:
      return void(host.GetShortCircuitCurrent(c.a));
    case Op::SetSetting:
      return SetOn(host, c.a, c.b);
    case Op::IsMotor:
      return void(host.IsMotorSymbol(h));
    case Op::IsShortPoint:
      return void(host.IsShortCircuitPoint(h));
    case Op::HasKind:
      return void(host.HasKindConfiguration(c.text));
    case Op::DefaultVisible:
      return void(host.GetDefaultLabelVisible());
    case Op::Annotate:
      return void(host.AnnotateEntity(c.a, c.text, &h, c.hasTexts ? &c.texts : nullptr, c.b));
    case Op::Format:
      return void(host.FormatNumberText(c.text));
    case Op::BeginOperation:
      return host.BeginOperation(c.text);
    case Op::RecordEntity:
      return host.RecordEntity(h);
    case Op::UpdateEntities:
      return host.UpdateEntities(c.ids);
    case Op::Refresh:
      return host.Refresh();
    case Op::ChangedFlag:
      return host.SetChangedFlag(c.a != 0);
    case Op::MapScale:
      return void(host.GetMapScale());
    case Op::Note:
      return;
  }
}

}  // namespace vjd::testing
