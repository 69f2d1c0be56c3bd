// The kernel's in-memory drawing: every entity by its handle, with its kind, name, kind name,
// base point, outline, placed symbol, attribute block and labels.  An erased entity (the host's
// erase, which its undo takes back) stays in the store with everything it has, but the kernel
// answers for its handle as for an unknown one; each lookup of it other than its kind is counted,
// so that a test can see who still works on erased entities.  One store per process
// (TheEntityStore()); the kernel's exported functions and the set-up functions for the stand-in
// host and the tests work on it.  The store owns its entities; pointers it returns stay valid
// until that entity is removed or the store is cleared.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "quarnkernel.h"

namespace qk {

struct Label {
  std::string text;  // at most QK_LABEL_TEXT_SIZE - 1 bytes
  int visible = 0;
  int position = 0;
  bool hasAnchor = false;
  double anchor[3] = {0, 0, 0};
  double height = 0.003;
  double width = 0.0015;
  double angle = 0.0;
  int follows = 1;
  uint32_t fore = 0;
  uint32_t back = 0xFFFFFFu;
};

struct Entity {
  QkEntity handle = 0;
  int kind = QK_KIND_NONE;
  std::string name;      // at most QK_NAME_SIZE - 1 bytes
  std::string kindName;  // at most QK_NAME_SIZE - 1 bytes
  double basePoint[3] = {0, 0, 0};
  double angle = 0.0;           // degrees
  std::vector<double> outline;  // x, y, z triples
  std::vector<double> points;   // x, y pairs of a line entity (a cable)
  int symbolIndex = -1;         // placed point symbol, -1 none
  double symbolWidth = 0, symbolHeight = 0;
  unsigned char attributes[QK_ATTR_BLOCK_SIZE] = {};
  std::vector<Label> labels;
  int lastDisplaySize = 0;  // what GetDisplaySize last answered for this entity
  // Made by CreateEntity, outside the drawing: the first document it is added to takes it, and it
  // goes with that document (documentOwner).
  bool loose = false;
  const void* documentOwner = nullptr;
};

class EntityStore {
 public:
  // A new entity with the next free handle (handles start at 1 and are never reused).
  Entity& Create(int kind, const std::string& name, const std::string& kindName);
  // The entity, or nullptr for an unknown or erased handle (the latter counted).
  Entity* Find(QkEntity handle);
  // Erases or brings back an entity; false for an unknown handle.
  bool SetErased(QkEntity handle, bool erased);
  bool IsErased(QkEntity handle) const;
  // How often Find was asked for an erased entity; `reset` starts counting anew.
  int ErasedLookups(bool reset);
  bool Remove(QkEntity handle);
  void Clear();
  int Count() const { return static_cast<int>(m_entities.size()); }
  // Every handle in creation order.
  std::vector<QkEntity> Handles() const;

 private:
  std::map<QkEntity, Entity> m_entities;
  std::set<QkEntity> m_erased;
  int m_erasedLookups = 0;
  QkEntity m_nextHandle = 1;
};

EntityStore& TheEntityStore();

// Cuts a GBK text to at most `maxBytes` bytes without splitting a double-byte character.
std::string CutGbk(const char* text, size_t maxBytes);

}  // namespace qk
