#include "LabelJournal.h"

#include "HostDrawing.h"

namespace host {

void LabelJournal::Begin(const std::string& text) {
  Clear();
  m_text = text;
  m_open = true;
}

void LabelJournal::Record(int handle) {
  if (!m_open) Begin(std::string());
  if (m_kept.count(handle)) return;
  m_kept[handle] = ReadKernelLabels(handle);
  m_order.push_back(handle);
}

std::vector<int> LabelJournal::Undo() {
  std::vector<int> restored;
  for (int handle : m_order)
    if (WriteKernelLabels(handle, m_kept[handle])) restored.push_back(handle);
  Clear();
  return restored;
}

void LabelJournal::Clear() {
  m_text.clear();
  m_open = false;
  m_order.clear();
  m_kept.clear();
}

}  // namespace host
