#include "RecordingHost.h"

namespace vjd::bench {

using Op = CRecordingHost::Op;

int CRecordingHost::GetEntityKind(int h) {
  Add(Op::EntityKind, h);
  return m_inner.GetEntityKind(h);
}
std::string CRecordingHost::GetKindName(int h) {
  Add(Op::KindName, h);
  return m_inner.GetKindName(h);
}
std::string CRecordingHost::GetEntityName(int h) {
  Add(Op::EntityName, h);
  return m_inner.GetEntityName(h);
}
int CRecordingHost::GetLabelCount(int h) {
  Add(Op::LabelCount, h);
  return m_inner.GetLabelCount(h);
}
void CRecordingHost::SetLabelCount(int h, int n) {
  Add(Op::SetLabelCount, h, n);
  m_inner.SetLabelCount(h, n);
}
std::string CRecordingHost::GetLabelText(int h, int j) {
  Add(Op::LabelText, h, j);
  return m_inner.GetLabelText(h, j);
}
void CRecordingHost::SetLabelText(int h, int j, const std::string& t) {
  Add(Op::SetLabelText, h, j).text = t;
  m_inner.SetLabelText(h, j, t);
}
int CRecordingHost::GetLabelVisible(int h, int j) {
  Add(Op::LabelVisible, h, j);
  return m_inner.GetLabelVisible(h, j);
}
void CRecordingHost::SetLabelVisible(int h, int j, int v) {
  Add(Op::SetLabelVisible, h, j, v);
  m_inner.SetLabelVisible(h, j, v);
}
void CRecordingHost::SetLabelPosition(int h, int j, int code) {
  Add(Op::SetLabelPosition, h, j, code);
  m_inner.SetLabelPosition(h, j, code);
}
std::string CRecordingHost::GetMotorModel(int id) {
  Add(Op::MotorModel, id);
  return m_inner.GetMotorModel(id);
}
void CRecordingHost::GetCableLength(int id, std::string& runCount, std::string& length) {
  Add(Op::CableLength, id);
  m_inner.GetCableLength(id, runCount, length);
}
void CRecordingHost::GetCableType(int id, std::string& model, std::string& spec) {
  Add(Op::CableType, id);
  m_inner.GetCableType(id, model, spec);
}
bool CRecordingHost::HasCableData(int id) {
  Add(Op::HasCableData, id);
  return m_inner.HasCableData(id);
}
std::string CRecordingHost::GetShortCircuitCurrent(int id) {
  Add(Op::ShortCurrent, id);
  return m_inner.GetShortCircuitCurrent(id);
}
void CRecordingHost::Setting(int which, int value) {
  Add(Op::SetSetting, which, value);
  switch (which) {
    case 0:
      m_inner.SetShowMotorModel(value);
      break;
    case 1:
      m_inner.SetShowMotorName(value);
      break;
    case 2:
      m_inner.SetShowCableLabel(value);
      break;
    case 3:
      m_inner.SetShowCableName(value);
      break;
    case 4:
      m_inner.SetOneLineCableLabel(value);
      break;
    case 5:
      m_inner.SetShowShortPointName(value);
      break;
    case 6:
      m_inner.SetShowShortCurrent(value);
      break;
    default:
      m_inner.SetShowNameOnDraw(value);
      break;
  }
}
bool CRecordingHost::IsMotorSymbol(int h) {
  Add(Op::IsMotor, h);
  return m_inner.IsMotorSymbol(h);
}
bool CRecordingHost::IsShortCircuitPoint(int h) {
  Add(Op::IsShortPoint, h);
  return m_inner.IsShortCircuitPoint(h);
}
bool CRecordingHost::HasKindConfiguration(const std::string& kind) {
  Add(Op::HasKind).text = kind;
  return m_inner.HasKindConfiguration(kind);
}
int CRecordingHost::GetDefaultLabelVisible() {
  Add(Op::DefaultVisible);
  return m_inner.GetDefaultLabelVisible();
}
int CRecordingHost::AnnotateEntity(int mode, const std::string& kind, int* handle,
                                   const std::vector<std::string>* texts, int flag) {
  Call& call = Add(Op::Annotate, mode, *handle, flag);
  call.text = kind;
  call.hasTexts = texts != nullptr;
  if (texts) call.texts = *texts;
  return m_inner.AnnotateEntity(mode, kind, handle, texts, flag);
}
std::string CRecordingHost::FormatNumberText(const std::string& t) {
  Add(Op::Format).text = t;
  return m_inner.FormatNumberText(t);
}
void CRecordingHost::BeginOperation(const std::string& name) {
  Add(Op::BeginOperation).text = name;
  m_inner.BeginOperation(name);
}
void CRecordingHost::RecordEntity(int h) {
  Add(Op::RecordEntity, h);
  m_inner.RecordEntity(h);
}
void CRecordingHost::UpdateEntities(const std::vector<int>& ids) {
  Add(Op::UpdateEntities).ids = ids;
  m_inner.UpdateEntities(ids);
}
void CRecordingHost::Refresh() {
  Add(Op::Refresh);
  m_inner.Refresh();
}
void CRecordingHost::SetChangedFlag(bool changed) {
  Add(Op::ChangedFlag, changed ? 1 : 0);
  m_inner.SetChangedFlag(changed);
}

void CRecordingHost::Replay(const std::vector<Call>& calls, annotation::ILabelHost& host,
                            int handleOffset) {
  std::string s1, s2;
  for (const Call& c : calls) {
    // Entity handles shifted onto the rebuilt drawing (the call itself is not copied).
    int a = c.a, b = c.b;
    switch (c.op) {
      case Op::EntityKind:
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
      case Op::RecordEntity:
        a += handleOffset;
        break;
      case Op::Annotate:
        b += handleOffset;
        break;
      default:
        break;
    }
    switch (c.op) {
      case Op::EntityKind:
        host.GetEntityKind(a);
        break;
      case Op::KindName:
        host.GetKindName(a);
        break;
      case Op::EntityName:
        host.GetEntityName(a);
        break;
      case Op::LabelCount:
        host.GetLabelCount(a);
        break;
      case Op::SetLabelCount:
        host.SetLabelCount(a, b);
        break;
      case Op::LabelText:
        host.GetLabelText(a, b);
        break;
      case Op::SetLabelText:
        host.SetLabelText(a, b, c.text);
        break;
      case Op::LabelVisible:
        host.GetLabelVisible(a, b);
        break;
      case Op::SetLabelVisible:
        host.SetLabelVisible(a, b, c.c);
        break;
      case Op::SetLabelPosition:
        host.SetLabelPosition(a, b, c.c);
        break;
      case Op::MotorModel:
        host.GetMotorModel(a);
        break;
      case Op::CableLength:
        host.GetCableLength(a, s1, s2);
        break;
      case Op::CableType:
        host.GetCableType(a, s1, s2);
        break;
      case Op::HasCableData:
        host.HasCableData(a);
        break;
      case Op::ShortCurrent:
        host.GetShortCircuitCurrent(a);
        break;
      case Op::SetSetting: {
        CRecordingHost forward(host);
        forward.Setting(a, b);
        break;
      }
      case Op::IsMotor:
        host.IsMotorSymbol(a);
        break;
      case Op::IsShortPoint:
        host.IsShortCircuitPoint(a);
        break;
      case Op::HasKind:
        host.HasKindConfiguration(c.text);
        break;
      case Op::DefaultVisible:
        host.GetDefaultLabelVisible();
        break;
      case Op::Annotate: {
        int handle = b;
        host.AnnotateEntity(a, c.text, &handle, c.hasTexts ? &c.texts : nullptr, c.c);
        break;
      }
      case Op::Format:
        host.FormatNumberText(c.text);
        break;
      case Op::BeginOperation:
        host.BeginOperation(c.text);
        break;
      case Op::RecordEntity:
        host.RecordEntity(a);
        break;
      case Op::UpdateEntities:
        host.UpdateEntities(c.ids);
        break;
      case Op::Refresh:
        host.Refresh();
        break;
      case Op::ChangedFlag:
        host.SetChangedFlag(a != 0);
        break;
    }
  }
}

}  // namespace vjd::bench
