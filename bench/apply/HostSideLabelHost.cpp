#include "HostSideLabelHost.h"

namespace vjd::bench {

int CHostSideLabelHost::GetEntityKind(int h) {
  HostSide host;
  return m_inner.GetEntityKind(h);
}

std::string CHostSideLabelHost::GetKindName(int h) {
  HostSide host;
  return m_inner.GetKindName(h);
}

std::string CHostSideLabelHost::GetEntityName(int h) {
  HostSide host;
  return m_inner.GetEntityName(h);
}

int CHostSideLabelHost::GetLabelCount(int h) {
  HostSide host;
  return m_inner.GetLabelCount(h);
}

void CHostSideLabelHost::SetLabelCount(int h, int n) {
  HostSide host;
  m_inner.SetLabelCount(h, n);
}

std::string CHostSideLabelHost::GetLabelText(int h, int j) {
  HostSide host;
  return m_inner.GetLabelText(h, j);
}

void CHostSideLabelHost::SetLabelText(int h, int j, const std::string& t) {
  HostSide host;
  m_inner.SetLabelText(h, j, t);
}

int CHostSideLabelHost::GetLabelVisible(int h, int j) {
  HostSide host;
  return m_inner.GetLabelVisible(h, j);
}

void CHostSideLabelHost::SetLabelVisible(int h, int j, int v) {
  HostSide host;
  m_inner.SetLabelVisible(h, j, v);
}

void CHostSideLabelHost::SetLabelPosition(int h, int j, int code) {
  HostSide host;
  m_inner.SetLabelPosition(h, j, code);
}

std::string CHostSideLabelHost::GetMotorModel(int id) {
  HostSide host;
  return m_inner.GetMotorModel(id);
}

void CHostSideLabelHost::GetCableLength(int id, std::string& runCount, std::string& length) {
  HostSide host;
  m_inner.GetCableLength(id, runCount, length);
}

void CHostSideLabelHost::GetCableType(int id, std::string& model, std::string& spec) {
  HostSide host;
  m_inner.GetCableType(id, model, spec);
}

bool CHostSideLabelHost::HasCableData(int id) {
  HostSide host;
  return m_inner.HasCableData(id);
}

std::string CHostSideLabelHost::GetShortCircuitCurrent(int id) {
  HostSide host;
  return m_inner.GetShortCircuitCurrent(id);
}

void CHostSideLabelHost::SetShowMotorModel(int v) {
  HostSide host;
  m_inner.SetShowMotorModel(v);
}

void CHostSideLabelHost::SetShowMotorName(int v) {
  HostSide host;
  m_inner.SetShowMotorName(v);
}

void CHostSideLabelHost::SetShowCableLabel(int v) {
  HostSide host;
  m_inner.SetShowCableLabel(v);
}

void CHostSideLabelHost::SetShowCableName(int v) {
  HostSide host;
  m_inner.SetShowCableName(v);
}

void CHostSideLabelHost::SetOneLineCableLabel(int v) {
  HostSide host;
  m_inner.SetOneLineCableLabel(v);
}

void CHostSideLabelHost::SetShowShortPointName(int v) {
  HostSide host;
  m_inner.SetShowShortPointName(v);
}

void CHostSideLabelHost::SetShowShortCurrent(int v) {
  HostSide host;
  m_inner.SetShowShortCurrent(v);
}

void CHostSideLabelHost::SetShowNameOnDraw(int v) {
  HostSide host;
  m_inner.SetShowNameOnDraw(v);
}

bool CHostSideLabelHost::IsMotorSymbol(int h) {
  HostSide host;
  return m_inner.IsMotorSymbol(h);
}

bool CHostSideLabelHost::IsShortCircuitPoint(int h) {
  HostSide host;
  return m_inner.IsShortCircuitPoint(h);
}

bool CHostSideLabelHost::HasKindConfiguration(const std::string& kind) {
  HostSide host;
  return m_inner.HasKindConfiguration(kind);
}

int CHostSideLabelHost::GetDefaultLabelVisible() {
  HostSide host;
  return m_inner.GetDefaultLabelVisible();
}

int CHostSideLabelHost::AnnotateEntity(int mode, const std::string& kind, int* handle,
                                       const std::vector<std::string>* texts, int flag) {
  HostSide host;
  return m_inner.AnnotateEntity(mode, kind, handle, texts, flag);
}

std::string CHostSideLabelHost::FormatNumberText(const std::string& t) {
  HostSide host;
  return m_inner.FormatNumberText(t);
}

void CHostSideLabelHost::BeginOperation(const std::string& name) {
  HostSide host;
  m_inner.BeginOperation(name);
}

void CHostSideLabelHost::RecordEntity(int h) {
  HostSide host;
  m_inner.RecordEntity(h);
}

void CHostSideLabelHost::UpdateEntities(const std::vector<int>& ids) {
  HostSide host;
  m_inner.UpdateEntities(ids);
}

void CHostSideLabelHost::Refresh() {
  HostSide host;
  m_inner.Refresh();
}

void CHostSideLabelHost::SetChangedFlag(bool changed) {
  HostSide host;
  m_inner.SetChangedFlag(changed);
}

}  // namespace vjd::bench
