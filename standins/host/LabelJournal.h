// One level of undo for labels: BeginOperation starts an operation, RecordEntity keeps the labels
// an entity has before the plug-in changes them (the first record of an entity in an operation
// counts), and Undo puts the kept labels back and forgets the operation.  A RecordEntity without
// a BeginOperation opens an operation of its own.  Entities are kernel handles.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "DrawingFile.h"

namespace host {

class LabelJournal {
 public:
  void Begin(const std::string& text);
  void Record(int handle);
  bool CanUndo() const { return !m_kept.empty(); }
  const std::string& OperationText() const { return m_text; }
  // Restores the labels of the recorded entities; answers their handles (in record order).
  std::vector<int> Undo();
  void Clear();

 private:
  std::string m_text;
  bool m_open = false;
  std::vector<int> m_order;
  std::map<int, std::vector<DrawingLabel>> m_kept;
};

}  // namespace host
