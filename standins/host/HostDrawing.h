// The drawing as the stand-in host holds it: the kernel keeps the entities (symbols, lines,
// labels), the object model's map keeps the ids, their handles and the device data; this class
// moves a parsed drawing file into both and collects the current state back for saving.  It
// remembers per entity what the kernel does not (its id, symbol name and line points).
//
// Load is all or nothing: a drawing that names a symbol the library lacks, or that the kernel
// refuses, leaves an empty drawing and an error, never a part of one.  Erase takes entities out of
// the drawing, the map and (as erased) the kernel, keeping what Restore needs to put them back as
// they were, handles included.  The map is borrowed.
#pragma once

#include <string>
#include <vector>

#include "DrawingFile.h"

namespace om {
class PoMap;
}

namespace host {

class HostDrawing {
 public:
  // Entities taken out by Erase, each with its place in the drawing and in the map's id list.
  struct Erased {
    struct Item {
      size_t place;     // index in the drawing's entities before the erase
      size_t mapPlace;  // index in the map's ids before the erase
      DrawingEntity entity;
      int handle;
    };
    std::vector<Item> items;  // in drawing order
    bool empty() const { return items.empty(); }
  };

  explicit HostDrawing(om::PoMap* map) : m_map(map) {}

  bool Load(const Drawing& drawing, std::string& error);
  void Clear();
  // The drawing with the kernel's current names and labels and the map's device data.
  Drawing Collect() const;

  const std::vector<DrawingEntity>& Entities() const { return m_entities; }
  int HandleOf(int id) const;
  int IdOf(int handle) const;
  const DrawingEntity* EntityById(int id) const;

  // Erases the entities of `ids` that are in the drawing (others are ignored).
  Erased Erase(const std::vector<int>& ids);
  // Puts erased entities back; answers their handles.
  std::vector<int> Restore(const Erased& erased);

 private:
  om::PoMap* m_map;
  std::vector<DrawingEntity> m_entities;  // as loaded: ids, kinds, symbols, points
  std::vector<int> m_handles;             // kernel handle of m_entities[i]
};

// Reads the labels of a kernel entity (every field, colours included).
std::vector<DrawingLabel> ReadKernelLabels(int handle);
// Replaces the labels of a kernel entity; false when the kernel refuses one of the values.
bool WriteKernelLabels(int handle, const std::vector<DrawingLabel>& labels);

}  // namespace host
