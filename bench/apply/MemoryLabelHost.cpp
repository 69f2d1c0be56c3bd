#include "MemoryLabelHost.h"

namespace vjd::bench {

CMemoryLabelHost CMemoryLabelHost::Drawing(int count) {
  CMemoryLabelHost host;
  for (int i = 0; i < count; ++i) {
    MemoryEntity e;
    std::string n = std::to_string(i);
    switch (i % 4) {
      case 0:
        e.kind = "电动机", e.name = "M" + n, e.motor = true, e.model = "Y2-" + n;
        e.texts = {e.name, "AB", "55KW"};
        break;
      case 1:
        e.kind = "电缆", e.name = "C" + n, e.length = "200", e.runCount = i % 8 == 1 ? "2" : "1";
        e.cableData = "1", e.cableModel = "MYP-0.66/1.14", e.spec = "3×50";
        e.texts = {e.name + "(200 m)", "MYP-0.66/1.14"};
        break;
      case 2:
        e.kind = "短路点", e.name = "d" + n, e.shortPoint = true, e.current = "980";
        e.texts = {"Id"};
        break;
      default:
        e.kind = "馈电开关", e.name = "K" + n;
        e.texts = {e.name, "KBZ-400"};
        break;
    }
    e.visible.assign(e.texts.size(), 1);
    e.position.assign(e.texts.size(), 0);
    host.m_entities.push_back(e);
    host.handles.push_back(i + 1);
    host.ids.push_back(1000 + i);
  }
  return host;
}

void CMemoryLabelHost::SetLabelCount(int h, int n) {
  MemoryEntity& e = At(h);
  e.texts.resize(static_cast<size_t>(n));
  e.visible.resize(static_cast<size_t>(n), 1);
  e.position.resize(static_cast<size_t>(n), 0);
}

std::string CMemoryLabelHost::GetLabelText(int h, int j) {
  MemoryEntity& e = At(h);
  return j < static_cast<int>(e.texts.size()) ? e.texts[static_cast<size_t>(j)] : std::string();
}

void CMemoryLabelHost::SetLabelText(int h, int j, const std::string& t) {
  MemoryEntity& e = At(h);
  if (j < static_cast<int>(e.texts.size())) e.texts[static_cast<size_t>(j)] = t;
}

int CMemoryLabelHost::GetLabelVisible(int h, int j) {
  MemoryEntity& e = At(h);
  return j < static_cast<int>(e.visible.size()) ? e.visible[static_cast<size_t>(j)] : 0;
}

void CMemoryLabelHost::SetLabelVisible(int h, int j, int v) {
  MemoryEntity& e = At(h);
  if (j < static_cast<int>(e.visible.size())) e.visible[static_cast<size_t>(j)] = v;
}

void CMemoryLabelHost::SetLabelPosition(int h, int j, int code) {
  MemoryEntity& e = At(h);
  if (j < static_cast<int>(e.position.size())) e.position[static_cast<size_t>(j)] = code;
}

void CMemoryLabelHost::GetCableLength(int id, std::string& runCount, std::string& length) {
  runCount = ById(id).runCount;
  length = ById(id).length;
}

void CMemoryLabelHost::GetCableType(int id, std::string& model, std::string& spec) {
  model = ById(id).cableModel;
  spec = ById(id).spec;
}

int CMemoryLabelHost::AnnotateEntity(int, const std::string&, int* handle,
                                     const std::vector<std::string>* texts, int) {
  MemoryEntity& e = At(*handle);
  SetLabelCount(*handle, 2);
  if (texts && !texts->empty()) e.texts[0] = (*texts)[0];
  e.position[0] = 8;
  e.position[1] = 3;
  return 1;
}

}  // namespace vjd::bench
