#include "EntityStore.h"

#include <cstring>

namespace qk {

Entity& EntityStore::Create(int kind, const std::string& name, const std::string& kindName) {
  QkEntity handle = m_nextHandle++;
  Entity& entity = m_entities[handle];
  entity.handle = handle;
  entity.kind = kind;
  entity.name = CutGbk(name.c_str(), QK_NAME_SIZE - 1);
  entity.kindName = CutGbk(kindName.c_str(), QK_NAME_SIZE - 1);
  return entity;
}

Entity* EntityStore::Find(QkEntity handle) {
  if (m_erased.count(handle)) {
    ++m_erasedLookups;
    return nullptr;
  }
  auto it = m_entities.find(handle);
  return it == m_entities.end() ? nullptr : &it->second;
}

bool EntityStore::SetErased(QkEntity handle, bool erased) {
  if (!m_entities.count(handle)) return false;
  if (erased)
    m_erased.insert(handle);
  else
    m_erased.erase(handle);
  return true;
}

bool EntityStore::IsErased(QkEntity handle) const {
  return m_erased.count(handle) != 0;
}

int EntityStore::ErasedLookups(bool reset) {
  const int count = m_erasedLookups;
  if (reset) m_erasedLookups = 0;
  return count;
}

bool EntityStore::Remove(QkEntity handle) {
  m_erased.erase(handle);
  return m_entities.erase(handle) != 0;
}

void EntityStore::Clear() {
  m_entities.clear();
  m_erased.clear();
  m_erasedLookups = 0;
}

std::vector<QkEntity> EntityStore::Handles() const {
  std::vector<QkEntity> handles;
  handles.reserve(m_entities.size());
  for (const auto& item : m_entities) handles.push_back(item.first);
  return handles;
}

EntityStore& TheEntityStore() {
  static EntityStore store;
  return store;
}

std::string CutGbk(const char* text, size_t maxBytes) {
  if (!text) return std::string();
  size_t length = 0;
  while (text[length] && length < maxBytes) {
    unsigned char lead = static_cast<unsigned char>(text[length]);
    if (lead >= 0x81 && lead <= 0xFE) {
      if (!text[length + 1] || length + 2 > maxBytes) break;  // never half a character
      length += 2;
    } else {
      ++length;
    }
  }
  return std::string(text, length);
}

}  // namespace qk
