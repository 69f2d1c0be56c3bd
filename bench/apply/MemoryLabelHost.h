// A plain in-memory drawing as an ILabelHost for the benchmark: entities by handle in a vector,
// device data by id, no log.  Copyable, so every timed run starts from the same drawing.
#pragma once

#include <string>
#include <vector>

#include "LabelHost.h"

namespace vjd::bench {

struct MemoryEntity {
  std::string kind, name;
  bool motor = false, shortPoint = false;
  std::vector<std::string> texts;
  std::vector<int> visible, position;
  // Device data.
  std::string model, length, runCount, cableData, cableModel, spec, current;
};

class CMemoryLabelHost : public annotation::ILabelHost {
 public:
  // A drawing of `count` device symbols: motors, cables, short-circuit points and switches in
  // turn; handle i + 1 and id 1000 + i for symbol i.
  static CMemoryLabelHost Drawing(int count);
  std::vector<int> handles, ids;

  int GetEntityKind(int) override { return 28; }  // every symbol is in the drawing
  std::string GetKindName(int h) override { return At(h).kind; }
  std::string GetEntityName(int h) override { return At(h).name; }
  int GetLabelCount(int h) override { return static_cast<int>(At(h).texts.size()); }
  void SetLabelCount(int h, int n) override;
  std::string GetLabelText(int h, int j) override;
  void SetLabelText(int h, int j, const std::string& t) override;
  int GetLabelVisible(int h, int j) override;
  void SetLabelVisible(int h, int j, int v) override;
  void SetLabelPosition(int h, int j, int code) override;
  std::string GetMotorModel(int id) override { return ById(id).model; }
  void GetCableLength(int id, std::string& runCount, std::string& length) override;
  void GetCableType(int id, std::string& model, std::string& spec) override;
  bool HasCableData(int id) override { return ById(id).cableData != "0"; }
  std::string GetShortCircuitCurrent(int id) override { return ById(id).current; }
  void SetShowMotorModel(int v) override { m_settings[0] = v; }
  void SetShowMotorName(int v) override { m_settings[1] = v; }
  void SetShowCableLabel(int v) override { m_settings[2] = v; }
  void SetShowCableName(int v) override { m_settings[3] = v; }
  void SetOneLineCableLabel(int v) override { m_settings[4] = v; }
  void SetShowShortPointName(int v) override { m_settings[5] = v; }
  void SetShowShortCurrent(int v) override { m_settings[6] = v; }
  void SetShowNameOnDraw(int v) override { m_settings[7] = v; }
  bool IsMotorSymbol(int h) override { return At(h).motor; }
  bool IsShortCircuitPoint(int h) override { return At(h).shortPoint; }
  bool HasKindConfiguration(const std::string& kind) override { return kind == "短路点"; }
  int GetDefaultLabelVisible() override { return 1; }
  int AnnotateEntity(int mode, const std::string& kind, int* handle,
                     const std::vector<std::string>* texts, int flag) override;
  std::string FormatNumberText(const std::string& t) override { return t; }
  void BeginOperation(const std::string&) override { ++m_operations; }
  void RecordEntity(int) override { ++m_recorded; }
  void UpdateEntities(const std::vector<int>& ids) override { m_updated += ids.size(); }
  void Refresh() override {}
  void SetChangedFlag(bool) override {}
  double GetMapScale() override { return 1.0; }

 private:
  MemoryEntity& At(int h) { return m_entities[static_cast<size_t>(h - 1)]; }
  MemoryEntity& ById(int id) { return m_entities[static_cast<size_t>(id - 1000)]; }
  std::vector<MemoryEntity> m_entities;
  int m_settings[8] = {};
  int m_operations = 0, m_recorded = 0;
  size_t m_updated = 0;
};

}  // namespace vjd::bench
