#include "HostDrawing.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "KernelSetup.h"
#include "KernelViewExtras.h"
#include "PoMap.h"
#include "quarnkernel.h"

namespace host {

std::vector<DrawingLabel> ReadKernelLabels(int handle) {
  std::vector<DrawingLabel> labels;
  int count = 0;
  if (!EntityParam(handle, ATTR_LABEL_COUNT_GET, &count, 0) || count < 0) return labels;
  for (int i = 0; i < count; ++i) {
    DrawingLabel l;
    char text[QK_LABEL_TEXT_SIZE] = {};
    EntityParam(handle, ATTR_LABEL_TEXT_GET, text, i);
    l.text = text;
    EntityParam(handle, ATTR_LABEL_VISIBLE_GET, &l.visible, i);
    EntityParam(handle, ATTR_LABEL_POSITION_GET, &l.position, i);
    EntityParam(handle, ATTR_LABEL_HEIGHT_GET, &l.height, i);
    EntityParam(handle, ATTR_LABEL_WIDTH_GET, &l.width, i);
    EntityParam(handle, ATTR_LABEL_ANGLE_GET, &l.angle, i);
    EntityParam(handle, ATTR_LABEL_FOLLOW_GET, &l.follows, i);
    unsigned fore = 0, back = 0;
    if (QkSetupGetLabelColours(handle, i, &fore, &back)) l.fore = fore, l.back = back;
    labels.push_back(l);
  }
  return labels;
}

bool WriteKernelLabels(int handle, const std::vector<DrawingLabel>& labels) {
  int count = static_cast<int>(labels.size());
  if (!EntityParam(handle, ATTR_LABEL_COUNT_SET, &count, 0)) return false;
  bool ok = true;
  for (int i = 0; i < count; ++i) {
    DrawingLabel l = labels[static_cast<size_t>(i)];
    ok = EntityParam(handle, ATTR_LABEL_TEXT_SET, const_cast<char*>(l.text.c_str()), i) && ok;
    ok = EntityParam(handle, ATTR_LABEL_VISIBLE_SET, &l.visible, i) && ok;
    ok = EntityParam(handle, ATTR_LABEL_POSITION_SET, &l.position, i) && ok;
    ok = EntityParam(handle, ATTR_LABEL_HEIGHT_SET, &l.height, i) && ok;
    ok = EntityParam(handle, ATTR_LABEL_WIDTH_SET, &l.width, i) && ok;
    ok = EntityParam(handle, ATTR_LABEL_ANGLE_SET, &l.angle, i) && ok;
    ok = EntityParam(handle, ATTR_LABEL_FOLLOW_SET, &l.follows, i) && ok;
    ok = EntityParam(handle, ATTR_LABEL_FORE_SET, &l.fore, i) && ok;
    ok = EntityParam(handle, ATTR_LABEL_BACK_SET, &l.back, i) && ok;
  }
  return ok;
}

void HostDrawing::Clear() {
  QkSetupReset();
  m_entities.clear();
  m_handles.clear();
  om::Drawing& d = m_map->GetDrawing();
  d.ids.clear();
  d.handles.clear();
  d.selection.clear();
  d.highlighted.clear();
  d.deviceData.clear();
  d.updates.clear();
  d.operations.clear();
  d.recorded.clear();
  d.bChanged = false;
}

bool HostDrawing::Load(const Drawing& drawing, std::string& error) {
  // Everything that can be checked is checked before anything is replaced.
  std::map<std::string, int> symbols;
  for (const DrawingEntity& e : drawing.entities) {
    if (e.symbol.empty() || symbols.count(e.symbol)) continue;
    int found = -1;
    char name[QK_NAME_SIZE];
    for (int i = 0, n = GetSymbolCount(7, 0); i < n && found < 0; ++i)
      if (GetSymbolName(7, 0, i, QK_NAME_SIZE, name) && e.symbol == name) found = i;
    if (found < 0) {
      error = "entity " + std::to_string(e.id) + " uses the symbol \"" + e.symbol +
              "\", which the symbol library does not have";
      return false;
    }
    symbols[e.symbol] = found;
  }

  Clear();
  auto fail = [&](const DrawingEntity& e, const char* what) {
    error = "the kernel refused entity " + std::to_string(e.id) + ": " + what;
    Clear();
    return false;
  };
  om::Drawing& d = m_map->GetDrawing();
  for (const DrawingEntity& e : drawing.entities) {
    QkEntity h = QkSetupCreateEntity(e.kind, e.name.c_str(), e.kindName.c_str());
    if (!h) return fail(e, "no entity could be created");
    if (!e.symbol.empty()) {
      int index = symbols[e.symbol];
      double ext[4] = {0, 0, 0, 0};
      GetSymbolExtent(7, 0, index, ext);
      QkSymbolRef ref{7, 0, index, std::fabs(ext[2] - ext[0]), std::fabs(ext[3] - ext[1]), e.angle};
      if (!SetEntitySymbol(h, &ref)) return fail(e, "the symbol could not be placed");
    }
    double base[3] = {e.x, e.y, 0};
    if (!EntityParam(h, ATTR_BASE_POINT_SET, base, 0)) return fail(e, "no base point");
    if (e.angle != 0) QkSetupSetEntityAngle(h, e.angle);
    if (!e.points.empty() &&
        !QkSetupSetEntityPoints(h, e.points.data(), static_cast<int>(e.points.size() / 2)))
      return fail(e, "the line points were refused");
    if (e.hasColour) QkSetEntityColour(h, e.colour);
    if (!WriteKernelLabels(h, e.labels)) return fail(e, "a label was refused");
    d.AddEntity(e.id, h);
    std::vector<om::DeviceItem>& items = d.deviceData[e.id];
    for (const DeviceItem& item : e.data) {
      auto it = std::find_if(items.begin(), items.end(),
                             [&](const om::DeviceItem& x) { return x.nCode == item.item; });
      if (it == items.end()) {
        items.push_back(om::DeviceItem{item.item, {}});
        it = items.end() - 1;
      }
      if (it->columns.size() <= static_cast<size_t>(item.column))
        it->columns.resize(static_cast<size_t>(item.column) + 1);
      it->columns[static_cast<size_t>(item.column)] = item.value;
    }
    if (items.empty()) d.deviceData.erase(e.id);
    m_entities.push_back(e);
    m_handles.push_back(h);
  }
  return true;
}

Drawing HostDrawing::Collect() const {
  Drawing out;
  const om::Drawing& d = m_map->GetDrawing();
  for (size_t i = 0; i < m_entities.size(); ++i) {
    DrawingEntity e = m_entities[i];
    int h = m_handles[i];
    char text[QK_NAME_SIZE] = {};
    if (GetEntityName(h, text, QK_NAME_SIZE)) e.name = text;
    char kind[QK_NAME_SIZE] = {};
    if (EntityParam(h, ATTR_KIND_NAME, kind, 0)) e.kindName = kind;
    double base[3];
    if (EntityParam(h, ATTR_BASE_POINT_GET, base, 0)) e.x = base[0], e.y = base[1];
    e.labels = ReadKernelLabels(h);
    e.data.clear();
    auto items = d.deviceData.find(e.id);
    if (items != d.deviceData.end()) {
      for (const om::DeviceItem& item : items->second)
        for (size_t c = 0; c < item.columns.size(); ++c)
          if (!item.columns[c].empty())
            e.data.push_back(DeviceItem{item.nCode, static_cast<int>(c), item.columns[c]});
    }
    out.entities.push_back(std::move(e));
  }
  return out;
}

int HostDrawing::HandleOf(int id) const {
  for (size_t i = 0; i < m_entities.size(); ++i)
    if (m_entities[i].id == id) return m_handles[i];
  return 0;
}

int HostDrawing::IdOf(int handle) const {
  for (size_t i = 0; i < m_handles.size(); ++i)
    if (m_handles[i] == handle) return m_entities[i].id;
  return 0;
}

HostDrawing::Erased HostDrawing::Erase(const std::vector<int>& ids) {
  Erased erased;
  om::Drawing& d = m_map->GetDrawing();
  for (size_t i = 0; i < m_entities.size(); ++i) {
    const int id = m_entities[i].id;
    if (std::find(ids.begin(), ids.end(), id) == ids.end()) continue;
    const size_t mapPlace =
        static_cast<size_t>(std::find(d.ids.begin(), d.ids.end(), id) - d.ids.begin());
    erased.items.push_back(Erased::Item{i, mapPlace, m_entities[i], m_handles[i]});
  }
  // Backwards, so that the places still name the entities taken out.
  for (auto it = erased.items.rbegin(); it != erased.items.rend(); ++it) {
    const int id = it->entity.id;
    m_entities.erase(m_entities.begin() + static_cast<std::ptrdiff_t>(it->place));
    m_handles.erase(m_handles.begin() + static_cast<std::ptrdiff_t>(it->place));
    if (it->mapPlace < d.ids.size())
      d.ids.erase(d.ids.begin() + static_cast<std::ptrdiff_t>(it->mapPlace));
    d.handles.erase(id);
    d.selection.erase(std::remove(d.selection.begin(), d.selection.end(), id), d.selection.end());
    d.highlighted.erase(id);
    QkSetupEraseEntity(it->handle, 1);
  }
  return erased;
}

std::vector<int> HostDrawing::Restore(const Erased& erased) {
  std::vector<int> handles;
  om::Drawing& d = m_map->GetDrawing();
  for (const Erased::Item& item : erased.items) {  // forwards: each place as it was
    QkSetupEraseEntity(item.handle, 0);
    const size_t place = std::min(item.place, m_entities.size());
    m_entities.insert(m_entities.begin() + static_cast<std::ptrdiff_t>(place), item.entity);
    m_handles.insert(m_handles.begin() + static_cast<std::ptrdiff_t>(place), item.handle);
    const size_t mapPlace = std::min(item.mapPlace, d.ids.size());
    d.ids.insert(d.ids.begin() + static_cast<std::ptrdiff_t>(mapPlace), item.entity.id);
    d.handles[item.entity.id] = item.handle;
    handles.push_back(item.handle);
  }
  return handles;
}

const DrawingEntity* HostDrawing::EntityById(int id) const {
  for (const DrawingEntity& e : m_entities)
    if (e.id == id) return &e;
  return nullptr;
}

}  // namespace host
