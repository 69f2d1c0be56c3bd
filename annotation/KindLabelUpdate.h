// The push of one symbol kind's stored configuration onto the entities of that kind (the buttons
// "更新标注配置到当前图形" and "更新标注配置到选择实体"), without the window: the window answers
// the few questions about its own state through IKindLabelWindow, everything else goes through
// ILabelHost.  The entity lists are borrowed for the call.
#pragma once

#include <string>

#include "LabelHost.h"

namespace vjd::annotation {

// The window's side of the push.
class IKindLabelWindow {
 public:
  virtual ~IKindLabelWindow() = default;
  // The text of the selected entry of the symbol list; false when nothing is selected.
  virtual bool GetSelectedKind(std::string& kindName) = 0;
  // Stores the grid as the configuration of the kind (a no-op when there is nothing new to
  // store).  False only when a store was due and failed: the file could not be opened or
  // written.
  virtual bool SaveGridConfig(const std::string& kindName) = 0;
  virtual int GetGridRowCount() = 0;
};

// Whether a kernel entity kind is a device symbol's (28 or 29): what the window's lists hold, as
// long as the entities are in the drawing.
bool IsDeviceSymbolKind(int kind);

// The name of the undoable operation on the map.
inline constexpr const char kKindLabelOperation[] = "修改标注配置";

// Lays the kind's stored configuration onto every entity of the list whose kind name equals
// the selected kind byte for byte, in the order of the list, inside one map operation (an entity
// that is no device symbol any more, erased since the list was made, is only asked its kind);
// returns true (also when no entity matched) or false, with nothing changed, when the list is
// empty, no kind is selected, the grid could not be stored or has no rows.
bool UpdateKindLabels(IKindLabelWindow& window, ILabelHost& host, int count, const int* handles,
                      const int* ids);

// Their message-box texts.
inline constexpr const char kUpdateSucceeded[] = "更新标注成功！";
inline constexpr const char kUpdateFailed[] = "更新标注失败！";

}  // namespace vjd::annotation
