#include "FakeLabelHost.h"

#include <cstdlib>

namespace vjd::testing {

namespace {

const char* const kSettings[8] = {"ShowMotorModel",   "ShowMotorName",     "ShowCableLabel",
                                  "ShowCableName",    "OneLineCableLabel", "ShowShortPointName",
                                  "ShowShortCurrent", "ShowNameOnDraw"};

using Op = FakeLabelHost::Op;

bool OnEntity(Op op) {
  switch (op) {
    case Op::KindName:
    case Op::EntityName:
    case Op::LabelCount:
    case Op::SetLabelCount:
    case Op::LabelText:
    case Op::SetLabelText:
    case Op::LabelVisible:
    case Op::SetLabelVisible:
    case Op::SetLabelPosition:
    case Op::IsMotor:
    case Op::IsShortPoint:
    case Op::Annotate:
    case Op::RecordEntity:
      return true;
    default:
      return false;
  }
}

}  // namespace

class FakeLabelHost::Scope {
 public:
  Scope(FakeLabelHost& host, Op op, int handle = 0, int a = 0, int b = 0) : m_leave(host.leave) {
    if (host.enter) host.enter();
    if (!host.recording) return;
    host.calls.emplace_back();
    call = &host.calls.back();
    call->op = op, call->handle = handle, call->a = a, call->b = b;
  }
  ~Scope() {
    if (m_leave) m_leave();
  }
  Call* call = nullptr;

 private:
  void (*m_leave)();
};

FakeEntity& FakeLabelHost::Entity(int handle) {
  if (static_cast<size_t>(handle) >= m_entities.size()) m_entities.resize(handle + 1);
  return m_entities[static_cast<size_t>(handle)];
}

FakeDevice& FakeLabelHost::Device(int id) {
  if (static_cast<size_t>(id) >= m_devices.size()) m_devices.resize(id + 1);
  return m_devices[static_cast<size_t>(id)];
}

FakeLabel& FakeLabelHost::Label(int h, int j) {
  std::vector<FakeLabel>& labels = Entity(h).labels;
  if (static_cast<size_t>(j) >= labels.size()) labels.resize(j + 1);
  return labels[static_cast<size_t>(j)];
}

std::vector<std::string> FakeLabelHost::Texts(int handle) {
  std::vector<std::string> texts;
  for (const FakeLabel& label : Entity(handle).labels) texts.push_back(label.text);
  return texts;
}

int FakeLabelHost::Setting(const std::string& name) const {
  for (int i = 0; i < 8; ++i)
    if (name == kSettings[i]) return m_settings[i];
  return -1;
}

void FakeLabelHost::Note(std::string line) {
  calls.emplace_back();
  calls.back().text = std::move(line);
}

std::vector<std::string> FakeLabelHost::Log() const {
  std::vector<std::string> log;
  for (const Call& c : calls) {
    const std::string a = std::to_string(c.a), b = std::to_string(c.b);
    switch (c.op) {
      case Op::SetLabelCount:
      case Op::SetLabelText:
        log.push_back((c.op == Op::SetLabelCount ? "SetLabelCount " : "SetLabelText ") + a);
        break;
      case Op::SetLabelVisible:
        log.push_back("SetLabelVisible " + a + " " + b);
        break;
      case Op::SetLabelPosition:
        log.push_back("SetLabelPosition " + a + " " + b);
        break;
      case Op::SetSetting:
        log.push_back(std::string("Set") + kSettings[c.a] + " " + b);
        break;
      case Op::Annotate:
        log.push_back("AnnotateEntity " + std::to_string(c.handle));
        break;
      case Op::BeginOperation:
        log.push_back("BeginOperation " + c.text);
        break;
      case Op::RecordEntity:
        log.push_back("RecordEntity " + std::to_string(c.handle));
        break;
      case Op::UpdateEntities:
        log.push_back("UpdateEntities " + std::to_string(c.ids.size()));
        break;
      case Op::Refresh:
        log.push_back("Refresh");
        break;
      case Op::ChangedFlag:
        log.push_back("ChangedFlag " + a);
        break;
      case Op::Note:
        log.push_back(c.text);
        break;
      default:
        break;
    }
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

std::string FakeLabelHost::GetKindName(int h) {
  Scope scope(*this, Op::KindName, h);
  return m_inner ? m_inner->GetKindName(h) : Entity(h).kind;
}

std::string FakeLabelHost::GetEntityName(int h) {
  Scope scope(*this, Op::EntityName, h);
  return m_inner ? m_inner->GetEntityName(h) : Entity(h).name;
}

int FakeLabelHost::GetLabelCount(int h) {
  Scope scope(*this, Op::LabelCount, h);
  return m_inner ? m_inner->GetLabelCount(h) : static_cast<int>(Entity(h).labels.size());
}

void FakeLabelHost::SetLabelCount(int h, int n) {
  Scope scope(*this, Op::SetLabelCount, h, n);
  if (m_inner) return m_inner->SetLabelCount(h, n);
  Entity(h).labels.resize(static_cast<size_t>(n));
}

std::string FakeLabelHost::GetLabelText(int h, int j) {
  Scope scope(*this, Op::LabelText, h, j);
  return m_inner ? m_inner->GetLabelText(h, j) : Label(h, j).text;
}

void FakeLabelHost::SetLabelText(int h, int j, const std::string& t) {
  Scope scope(*this, Op::SetLabelText, h, j);
  if (scope.call) scope.call->text = t;
  if (m_inner) return m_inner->SetLabelText(h, j, t);
  Label(h, j).text = t;
}

int FakeLabelHost::GetLabelVisible(int h, int j) {
  Scope scope(*this, Op::LabelVisible, h, j);
  return m_inner ? m_inner->GetLabelVisible(h, j) : Label(h, j).visible;
}

void FakeLabelHost::SetLabelVisible(int h, int j, int v) {
  Scope scope(*this, Op::SetLabelVisible, h, j, v);
  if (m_inner) return m_inner->SetLabelVisible(h, j, v);
  Label(h, j).visible = v;
}

void FakeLabelHost::SetLabelPosition(int h, int j, int code) {
  Scope scope(*this, Op::SetLabelPosition, h, j, code);
  if (m_inner) return m_inner->SetLabelPosition(h, j, code);
  Label(h, j).position = code;
}

std::string FakeLabelHost::GetMotorModel(int id) {
  Scope scope(*this, Op::MotorModel, 0, id);
  if (m_inner) return m_inner->GetMotorModel(id);
  const FakeDevice& d = Device(id);
  return d.hasMotor ? d.motorModel : "";
}

void FakeLabelHost::GetCableLength(int id, std::string& runCount, std::string& length) {
  Scope scope(*this, Op::CableLength, 0, id);
  if (m_inner) return m_inner->GetCableLength(id, runCount, length);
  const FakeDevice& d = Device(id);
  if (!d.hasLength) return;
  runCount = d.runCount;
  length = d.length;
}

void FakeLabelHost::GetCableType(int id, std::string& model, std::string& spec) {
  Scope scope(*this, Op::CableType, 0, id);
  if (m_inner) return m_inner->GetCableType(id, model, spec);
  const FakeDevice& d = Device(id);
  if (!d.hasType) return;
  model = d.model;
  spec = d.spec;
}

bool FakeLabelHost::HasCableData(int id) {
  Scope scope(*this, Op::HasCableData, 0, id);
  if (m_inner) return m_inner->HasCableData(id);
  const FakeDevice& d = Device(id);
  return d.hasType && std::atof(d.cableData.c_str()) != 0.0;
}

std::string FakeLabelHost::GetShortCircuitCurrent(int id) {
  Scope scope(*this, Op::ShortCurrent, 0, id);
  if (m_inner) return m_inner->GetShortCircuitCurrent(id);
  const FakeDevice& d = Device(id);
  return d.hasCurrent ? d.current : "";
}

void FakeLabelHost::Set(int setting, int value) {
  Scope scope(*this, Op::SetSetting, 0, setting, value);
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

bool FakeLabelHost::IsMotorSymbol(int h) {
  Scope scope(*this, Op::IsMotor, h);
  return m_inner ? m_inner->IsMotorSymbol(h) : Entity(h).motor;
}

bool FakeLabelHost::IsShortCircuitPoint(int h) {
  Scope scope(*this, Op::IsShortPoint, h);
  return m_inner ? m_inner->IsShortCircuitPoint(h) : Entity(h).shortPoint;
}

bool FakeLabelHost::HasKindConfiguration(const std::string& kind) {
  Scope scope(*this, Op::HasKind);
  if (scope.call) scope.call->text = kind;
  if (m_inner) return m_inner->HasKindConfiguration(kind);
  for (const std::string& stored : storedKinds)
    if (stored == kind) return true;
  return false;
}

int FakeLabelHost::GetDefaultLabelVisible() {
  Scope scope(*this, Op::DefaultVisible);
  return m_inner ? m_inner->GetDefaultLabelVisible() : defaultVisible;
}

int FakeLabelHost::AnnotateEntity(int mode, const std::string& kind, int* handle,
                                  const std::vector<std::string>* texts, int flag) {
  Scope scope(*this, Op::Annotate, *handle, mode, flag);
  if (scope.call) {
    scope.call->text = kind;
    scope.call->hasTexts = texts != nullptr;
    if (texts) scope.call->texts = *texts;
  }
  if (m_inner) return m_inner->AnnotateEntity(mode, kind, handle, texts, flag);
  if (layout) layout(Entity(*handle), texts);
  return 1;
}

std::string FakeLabelHost::FormatNumberText(const std::string& t) {
  Scope scope(*this, Op::Format);
  if (scope.call) scope.call->text = t;
  if (m_inner) return m_inner->FormatNumberText(t);
  return format ? format(t) : t;
}

void FakeLabelHost::BeginOperation(const std::string& name) {
  Scope scope(*this, Op::BeginOperation);
  if (scope.call) scope.call->text = name;
  if (m_inner) m_inner->BeginOperation(name);
}

void FakeLabelHost::RecordEntity(int h) {
  Scope scope(*this, Op::RecordEntity, h);
  if (m_inner) m_inner->RecordEntity(h);
}

void FakeLabelHost::UpdateEntities(const std::vector<int>& ids) {
  Scope scope(*this, Op::UpdateEntities);
  if (scope.call) scope.call->ids = ids;
  if (m_inner) m_inner->UpdateEntities(ids);
}

void FakeLabelHost::Refresh() {
  Scope scope(*this, Op::Refresh);
  if (m_inner) m_inner->Refresh();
}

void FakeLabelHost::SetChangedFlag(bool changed) {
  Scope scope(*this, Op::ChangedFlag, 0, changed ? 1 : 0);
  if (m_inner) m_inner->SetChangedFlag(changed);
}

double FakeLabelHost::GetMapScale() {
  Scope scope(*this, Op::MapScale);
  return m_inner ? m_inner->GetMapScale() : mapScale;
}

void FakeLabelHost::Replay(const std::vector<Call>& calls, annotation::ILabelHost& host,
                           int handleOffset) {
  std::string s1, s2;
  for (const Call& c : calls) {
    int h = OnEntity(c.op) ? c.handle + handleOffset : c.handle;
    switch (c.op) {
      case Op::KindName:
        host.GetKindName(h);
        break;
      case Op::EntityName:
        host.GetEntityName(h);
        break;
      case Op::LabelCount:
        host.GetLabelCount(h);
        break;
      case Op::SetLabelCount:
        host.SetLabelCount(h, c.a);
        break;
      case Op::LabelText:
        host.GetLabelText(h, c.a);
        break;
      case Op::SetLabelText:
        host.SetLabelText(h, c.a, c.text);
        break;
      case Op::LabelVisible:
        host.GetLabelVisible(h, c.a);
        break;
      case Op::SetLabelVisible:
        host.SetLabelVisible(h, c.a, c.b);
        break;
      case Op::SetLabelPosition:
        host.SetLabelPosition(h, c.a, c.b);
        break;
      case Op::MotorModel:
        host.GetMotorModel(c.a);
        break;
      case Op::CableLength:
        host.GetCableLength(c.a, s1, s2);
        break;
      case Op::CableType:
        host.GetCableType(c.a, s1, s2);
        break;
      case Op::HasCableData:
        host.HasCableData(c.a);
        break;
      case Op::ShortCurrent:
        host.GetShortCircuitCurrent(c.a);
        break;
      case Op::SetSetting:
        SetOn(host, c.a, c.b);
        break;
      case Op::IsMotor:
        host.IsMotorSymbol(h);
        break;
      case Op::IsShortPoint:
        host.IsShortCircuitPoint(h);
        break;
      case Op::HasKind:
        host.HasKindConfiguration(c.text);
        break;
      case Op::DefaultVisible:
        host.GetDefaultLabelVisible();
        break;
      case Op::Annotate:
        host.AnnotateEntity(c.a, c.text, &h, c.hasTexts ? &c.texts : nullptr, c.b);
        break;
      case Op::Format:
        host.FormatNumberText(c.text);
        break;
      case Op::BeginOperation:
        host.BeginOperation(c.text);
        break;
      case Op::RecordEntity:
        host.RecordEntity(h);
        break;
      case Op::UpdateEntities:
        host.UpdateEntities(c.ids);
        break;
      case Op::Refresh:
        host.Refresh();
        break;
      case Op::ChangedFlag:
        host.SetChangedFlag(c.a != 0);
        break;
      case Op::MapScale:
        host.GetMapScale();
        break;
      case Op::Note:
        break;
    }
  }
}

}  // namespace vjd::testing
