// The device-symbol side of the maker library VellJDBase: the list of every device symbol of the
// drawing that a map shows.
//
// How the drawing is enumerated: the host's map offers, beyond the members the plug-in uses, two
// members for the maker library, both by DISPID on the map's automation object:
//   EntityCount  (DISPID 1001, property get: int)           the number of entities of the drawing;
//   EntityIdAt   (DISPID 1002, indexed property get: int index -> int id)  the id of entity
//                index, 0 .. EntityCount - 1, in the drawing's own order.
// Each id's kernel handle comes from the map's EntityHandle (DISPID 99), its kind from the
// kernel's GetEntityKind; kinds 28 and 29 are device symbols.  Entities whose id or handle the map
// cannot give (0) are skipped.  One pass, no caching: the list is the drawing as it is now.
#pragma once

#include "CArray.h"

#if defined(VELLJDBASE_DEVICESYMBOLS_BUILD)
#define VJDDEVICESYMBOLS_API __declspec(dllexport)
#else
#define VJDDEVICESYMBOLS_API __declspec(dllimport)
#endif

struct VjdHostMap;

namespace vjd::jdbase {
inline constexpr long kDispidMapEntityCount = 1001;
inline constexpr long kDispidMapEntityIdAt = 1002;
}  // namespace vjd::jdbase

// Replaces both lists by the handles and ids of every device symbol of the drawing, pairwise
// (element i of each names the same entity), in the drawing's order, and returns their number.
// A null map, or a map that cannot enumerate its drawing, gives 0 and two empty lists.
VJDDEVICESYMBOLS_API int CollectDeviceSymbols(const VjdHostMap* map, CArray<int, int>& handles,
                                              CArray<int, int>& ids);
