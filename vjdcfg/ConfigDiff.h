// What storing kinds over a configuration changes, kind by kind, as the configuration window shows
// them (each record read as the window reads it): for `vjdcfg load --dry-run` and `vjdcfg diff`.
// Written one line each:
//
//   added "丁", count 1
//   changed "乙"
//     "乙".count: 1 -> 2
//     "乙"[0].text: "b" -> "新"
//     "乙"[1]: none -> {"text": "二", "visible": true, ...}
//   removed "甲", count 1
//
// Values are shown as a dump shows them; a slot that only one side holds is shown whole.  Kinds
// whose fields are all the same are only counted.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <vector>

#include "SymbolLabelConfig.h"

namespace vjdcfg {

struct DiffTally {
  std::size_t added = 0;
  std::size_t changed = 0;
  std::size_t unchanged = 0;
  std::size_t removed = 0;
  bool Same() const { return added == 0 && changed == 0 && removed == 0; }
};

// Compares the kinds of `after` with those of `before`, in the order of `after` (the kinds of both
// are the records lookups find: RecordsFound).  A kind of `after` that `before` lacks is added,
// one whose fields differ changed.  With `list_removed`, the kinds of `before` that `after` lacks
// follow as removed; without, they are left out, as a load leaves them alone.
DiffTally WriteKindChanges(const std::vector<vjd::annotation::SymbolLabelConfig>& before,
                           const std::vector<vjd::annotation::SymbolLabelConfig>& after,
                           bool list_removed, std::ostream& out);

}  // namespace vjdcfg
