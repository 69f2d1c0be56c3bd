#include "KindLabelUpdate.h"

#include <vector>

#include "quarnkernel.h"

namespace vjd::annotation {

bool IsDeviceSymbolKind(int kind) {
  return kind == QK_KIND_DEVICE_SYMBOL || kind == QK_KIND_DEVICE_SYMBOL_ALT;
}

bool UpdateKindLabels(IKindLabelWindow& window, ILabelHost& host, int count, const int* handles,
                      const int* ids) {
  if (count <= 0 || handles == nullptr || ids == nullptr) return false;
  std::string kindName;
  if (!window.GetSelectedKind(kindName)) return false;
  // The grid may hold edits the file does not have yet; they must be there before the library
  // reads the kind's record.  A failed store would lay out the old configuration: give up.
  if (!window.SaveGridConfig(kindName)) return false;
  if (window.GetGridRowCount() <= 0) return false;

  // Only the matched entities are kept, as two lists of ints: the kind's name is the same for
  // all of them.
  std::vector<int> matchedHandles, matchedIds;
  for (int i = 0; i < count; ++i) {
    if (!IsDeviceSymbolKind(host.GetEntityKind(handles[i]))) continue;  // erased meanwhile
    if (host.GetKindName(handles[i]) != kindName) continue;
    matchedHandles.push_back(handles[i]);
    matchedIds.push_back(ids[i]);
  }

  host.BeginOperation(kKindLabelOperation);
  for (size_t k = 0; k < matchedHandles.size(); ++k) {
    host.RecordEntity(matchedHandles[k]);
    int copy = matchedHandles[k];
    host.AnnotateEntity(1, kindName, &copy, nullptr, 1);
  }
  if (!matchedIds.empty()) host.UpdateEntities(matchedIds);
  return true;
}

}  // namespace vjd::annotation
