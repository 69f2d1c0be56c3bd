// An ILabelHost that passes every call on to another host inside a HostSide scope, so that what
// the host allocates is counted as the host's heap, not the plug-in's.  Borrows the host.
#pragma once

#include <string>
#include <vector>

#include "HeapCount.h"
#include "LabelHost.h"

namespace vjd::bench {

class CHostSideLabelHost : public annotation::ILabelHost {
 public:
  explicit CHostSideLabelHost(annotation::ILabelHost& inner) : m_inner(inner) {}

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
  void SetShowMotorModel(int v) override;
  void SetShowMotorName(int v) override;
  void SetShowCableLabel(int v) override;
  void SetShowCableName(int v) override;
  void SetOneLineCableLabel(int v) override;
  void SetShowShortPointName(int v) override;
  void SetShowShortCurrent(int v) override;
  void SetShowNameOnDraw(int v) override;
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
  annotation::ILabelHost& m_inner;
};

}  // namespace vjd::bench
