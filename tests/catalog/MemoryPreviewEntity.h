// An entity held in memory for the label tests: parameters by (code, label index) as raw bytes,
// an attribute block, the last symbol put onto it, and the log of every call in order.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "IPreviewEntity.h"

class MemoryPreviewEntity : public IPreviewEntity {
 public:
  struct Call {
    int code;
    int index;
  };

  MemoryPreviewEntity();

  int Param(int code, void* value, int index) override;
  int GetAttributes(EntityAttributeBlock& block) override;
  int SetAttributes(const EntityAttributeBlock& block) override;
  int SetSymbol(const QkSymbolRef& symbol) override;

  // Typed views of the stored parameters (what a *_SET code last wrote).
  int Int(int code, int index) const;
  double Double(int code, int index) const;
  std::string Text(int code, int index) const;
  std::vector<double> Doubles(int code, int index) const;
  bool Has(int code, int index) const { return m_values.count({code, index}) != 0; }
  // Position of the first logged call of (code, index), -1 if none.
  int FirstCall(int code, int index) const;

  EntityAttributeBlock attributes;
  QkSymbolRef symbol{};
  int symbolCalls = 0;
  std::vector<Call> log;

 private:
  std::map<std::pair<int, int>, std::vector<unsigned char>> m_values;
};
