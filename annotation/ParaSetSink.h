// What the configuration window's model asks of the window around it: a message box, the two
// modal choices a click on a grid cell opens, a repaint of the preview, the caption of the kind
// the grid now shows, whether the grid takes input, and the messages for the command (codes in
// CommandMessages.h).  The window answers it; tests record it.  Nothing is owned across the
// interface.
#pragma once

#include <cstdint>
#include <string>

namespace vjd::annotation {

class IParaSetSink {
 public:
  virtual ~IParaSetSink() = default;
  // A modal message box with `text` (GBK) and an OK button.
  virtual void ShowMessage(const char* text) = 0;
  // The label position window preset with `preset`; true on OK, with the chosen code and name.
  virtual bool ChoosePosition(int preset, int& code, std::string& name) = 0;
  // The colour dialog starting at `initial` (COLORREF); true on OK, with the chosen colour.
  virtual bool ChooseColour(std::int32_t initial, std::int32_t& chosen) = 0;
  // The preview entity's labels changed: the preview draws it anew.
  virtual void RefreshPreview() = 0;
  // The grid and the preview now show `kind`: the preview's current label becomes 0, it is drawn
  // anew, and the caption above the grid names the kind (an empty `kind`: no kind, no caption).
  virtual void ShowKind(const std::string& kind) = 0;
  // Whether the grid and the bar above it take the user's input.
  virtual void EnableGrid(bool enabled) = 0;
  virtual void SendToCommand(int code, int param1, int param2) = 0;
};

}  // namespace vjd::annotation
