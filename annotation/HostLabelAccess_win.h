// ILabelHost of the Windows build: entity labels through the kernel (quarnkernel), device data
// and change notifications through the map (host access layer), settings, predicates and kind
// layouts through VellJDBase, number texts through VellBase.  Borrows the map; holds no host
// object beyond one call.
#pragma once

#include <string>
#include <vector>

#include "DeviceDataReader.h"
#include "HostDeviceItems_win.h"
#include "LabelHost.h"
#include "PoMapDriver.h"

namespace vjd::annotation {

class CHostLabelAccess : public ILabelHost {
 public:
  // `map` may be null (no map: device data reads as absent, map calls do nothing).
  explicit CHostLabelAccess(const VjdHostMap* map);

  int GetEntityKind(int handle) override;
  std::string GetKindName(int handle) override;
  std::string GetEntityName(int handle) override;
  int GetLabelCount(int handle) override;
  void SetLabelCount(int handle, int count) override;
  std::string GetLabelText(int handle, int label) override;
  void SetLabelText(int handle, int label, const std::string& text) override;
  int GetLabelVisible(int handle, int label) override;
  void SetLabelVisible(int handle, int label, int visible) override;
  void SetLabelPosition(int handle, int label, int code) override;

  std::string GetMotorModel(int id) override { return m_reader.GetMotorModel(id); }
  void GetCableLength(int id, std::string& runCount, std::string& length) override {
    m_reader.GetCableLength(id, runCount, length);
  }
  void GetCableType(int id, std::string& model, std::string& spec) override {
    m_reader.GetCableType(id, model, spec);
  }
  bool HasCableData(int id) override { return m_reader.HasCableData(id); }
  std::string GetShortCircuitCurrent(int id) override {
    return m_reader.GetShortCircuitCurrent(id);
  }

  void SetShowMotorModel(int value) override;
  void SetShowMotorName(int value) override;
  void SetShowCableLabel(int value) override;
  void SetShowCableName(int value) override;
  void SetOneLineCableLabel(int value) override;
  void SetShowShortPointName(int value) override;
  void SetShowShortCurrent(int value) override;
  void SetShowNameOnDraw(int value) override;

  bool IsMotorSymbol(int handle) override;
  bool IsShortCircuitPoint(int handle) override;
  bool HasKindConfiguration(const std::string& kindName) override;
  int GetDefaultLabelVisible() override;
  int AnnotateEntity(int mode, const std::string& kindName, int* handle,
                     const std::vector<std::string>* texts, int flag) override;

  std::string FormatNumberText(const std::string& text) override;

  void BeginOperation(const std::string& name) override;
  void RecordEntity(int handle) override;
  void UpdateEntities(const std::vector<int>& ids) override;
  void Refresh() override;
  void SetChangedFlag(bool changed) override;
  double GetMapScale() override { return m_map.Scale(); }

 private:
  const VjdHostMap* m_pMap;
  vjd::host::CPoMapDriver m_map;
  CHostDeviceItems m_items;
  CDeviceDataReader m_reader;
};

}  // namespace vjd::annotation
