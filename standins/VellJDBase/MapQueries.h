// The few questions the maker library asks the host's map, straight through its automation object
// (IDispatch::Invoke by DISPID, as HostContract.h lays the calls out): the drawing's entities and
// their kernel handles, and the map's scale.  Property gets with integer arguments only; a call
// that fails, or a result that does not convert, answers the stated default.  The map (may be
// null) is borrowed; no reference is added or released.
#pragma once

#include <oaidl.h>
#include <windows.h>

struct VjdHostMap;

namespace jdbase {

class MapQueries {
 public:
  explicit MapQueries(const VjdHostMap* map);

  // False when the map cannot say (and `count` is left as it was).
  bool EntityCount(int& count) const;
  // The id of entity `index` of the drawing, 0 when the map cannot give it.
  int EntityIdAt(int index) const;
  // The kernel handle of the entity `id`, 0 when there is none.
  int EntityHandle(int id) const;
  // The map's scale, 1 when the map cannot say.
  double Scale() const;

 private:
  // One property get with at most one integer argument, converted to `type`.
  bool Get(DISPID dispid, const int* index, VARTYPE type, VARIANT& result) const;
  bool GetInt(DISPID dispid, const int* index, int& out) const;

  IDispatch* m_pMap;
};

}  // namespace jdbase
