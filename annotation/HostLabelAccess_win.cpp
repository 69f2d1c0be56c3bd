#include "HostLabelAccess_win.h"

#include <cstring>

#include "GbkText.h"
#include "VellBase.h"
#include "VellJDLabels.h"
#include "quarnkernel.h"

namespace vjd::annotation {

namespace {

std::string ReadText(int handle, int code, int label, size_t size) {
  char buffer[QK_LABEL_TEXT_SIZE] = {};
  if (size > sizeof buffer) size = sizeof buffer;
  if (!EntityParam(handle, code, buffer, label)) return std::string();
  return gbk::FromBuffer(buffer, size - 1);
}

int ReadInt(int handle, int code, int label) {
  int value = 0;
  return EntityParam(handle, code, &value, label) ? value : 0;
}

void WriteInt(int handle, int code, int label, int value) {
  EntityParam(handle, code, &value, label);
}

}  // namespace

CHostLabelAccess::CHostLabelAccess(const VjdHostMap* map)
    : m_pMap(map), m_map(map), m_items(m_map), m_reader(m_items) {}

int CHostLabelAccess::GetEntityKind(int handle) {
  return ::GetEntityKind(handle);
}

std::string CHostLabelAccess::GetKindName(int handle) {
  return ReadText(handle, ATTR_KIND_NAME, 0, QK_NAME_SIZE);
}

std::string CHostLabelAccess::GetEntityName(int handle) {
  char buffer[QK_NAME_SIZE] = {};
  if (!::GetEntityName(handle, buffer, QK_NAME_SIZE)) return std::string();
  return gbk::FromBuffer(buffer, QK_NAME_SIZE - 1);
}

int CHostLabelAccess::GetLabelCount(int handle) {
  return ReadInt(handle, ATTR_LABEL_COUNT_GET, 0);
}

void CHostLabelAccess::SetLabelCount(int handle, int count) {
  WriteInt(handle, ATTR_LABEL_COUNT_SET, 0, count);
}

std::string CHostLabelAccess::GetLabelText(int handle, int label) {
  return ReadText(handle, ATTR_LABEL_TEXT_GET, label, QK_LABEL_TEXT_SIZE);
}

void CHostLabelAccess::SetLabelText(int handle, int label, const std::string& text) {
  char buffer[QK_LABEL_TEXT_SIZE] = {};
  std::string fitted = gbk::CutToFit(text, QK_LABEL_TEXT_SIZE - 1);
  std::memcpy(buffer, fitted.data(), fitted.size());
  EntityParam(handle, ATTR_LABEL_TEXT_SET, buffer, label);
}

int CHostLabelAccess::GetLabelVisible(int handle, int label) {
  return ReadInt(handle, ATTR_LABEL_VISIBLE_GET, label);
}

void CHostLabelAccess::SetLabelVisible(int handle, int label, int visible) {
  WriteInt(handle, ATTR_LABEL_VISIBLE_SET, label, visible);
}

void CHostLabelAccess::SetLabelPosition(int handle, int label, int code) {
  WriteInt(handle, ATTR_LABEL_POSITION_SET, label, code);
}

// The eight display settings go straight to the library that keeps them.
#define VJD_FORWARD_SETTING(Name)               \
  void CHostLabelAccess::Set##Name(int value) { \
    ::Set##Name(value);                         \
  }
VJD_FORWARD_SETTING(ShowMotorModel)
VJD_FORWARD_SETTING(ShowMotorName)
VJD_FORWARD_SETTING(ShowCableLabel)
VJD_FORWARD_SETTING(ShowCableName)
VJD_FORWARD_SETTING(OneLineCableLabel)
VJD_FORWARD_SETTING(ShowShortPointName)
VJD_FORWARD_SETTING(ShowShortCurrent)
VJD_FORWARD_SETTING(ShowNameOnDraw)
#undef VJD_FORWARD_SETTING

bool CHostLabelAccess::IsMotorSymbol(int handle) {
  return ::IsMotorSymbol(handle) != 0;
}

bool CHostLabelAccess::IsShortCircuitPoint(int handle) {
  return ::IsShortCircuitPoint(handle) != 0;
}

bool CHostLabelAccess::HasKindConfiguration(const std::string& kindName) {
  return ::HasKindConfiguration(kindName.c_str()) != 0;
}

int CHostLabelAccess::GetDefaultLabelVisible() {
  return ::GetDefaultLabelVisible();
}

int CHostLabelAccess::AnnotateEntity(int mode, const std::string& kindName, int* handle,
                                     const std::vector<std::string>* texts, int flag) {
  std::vector<const char*> pointers;
  VjdTextArray array = {0, nullptr};
  if (texts) {
    for (const auto& text : *texts) pointers.push_back(text.c_str());
    array.nCount = static_cast<int>(pointers.size());
    array.pTexts = pointers.data();
  }
  return ::AnnotateEntity(mode, m_pMap, kindName.c_str(), handle, texts ? &array : nullptr, flag);
}

std::string CHostLabelAccess::FormatNumberText(const std::string& text) {
  char buffer[QK_LABEL_TEXT_SIZE] = {};
  ::FormatNumberText(text.c_str(), buffer, sizeof buffer);
  return gbk::FromBuffer(buffer, sizeof buffer - 1);
}

void CHostLabelAccess::BeginOperation(const std::string& name) {
  m_map.BeginOperation(name.c_str());
}

void CHostLabelAccess::RecordEntity(int handle) {
  m_map.RecordEntity(handle);
}

void CHostLabelAccess::UpdateEntities(const std::vector<int>& ids) {
  m_map.UpdateEntities(ids.empty() ? nullptr : ids.data(), static_cast<int>(ids.size()));
}

void CHostLabelAccess::Refresh() {
  m_map.Refresh();
}

void CHostLabelAccess::SetChangedFlag(bool changed) {
  m_map.SetChangedFlag(changed);
}

}  // namespace vjd::annotation
