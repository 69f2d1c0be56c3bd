// CParaSetWindowSink: the configuration window as its model's sink - message boxes, the label
// position window and the colour dialog, the preview drawn anew, the caption of the shown kind
// above the grid, the grid and its bar enabled or not, and the requests for the command, which go
// to the command's own sink.  Borrows the window, its preview, the preview entity's handle (as the
// window holds it) and the command's sink; owns nothing.
//
// The three modal windows are owned by the configuration window, so the system disables it while
// one is open: it takes no click and no key until the answer is in, and a second choice cannot
// open over the first.  The window may still be asked to leave meanwhile (a close that does not
// come from the user's input): it must not go while the modal window's loop runs, since the model,
// the grid and this sink would go on in it once the loop returns.  LeaveAfterModal ends the modal
// window as its cancel, drops its answer, and when it has returned asks the window to leave again
// through its queue, where the request arrives after every handler under the loop has returned.
#pragma once

#include "CommandSink.h"
#include "ParaSetSink.h"
#include "PreviewWnd.h"
#include "Wnd.h"

class CParaSetWindowSink : public vjd::annotation::IParaSetSink {
 public:
  CParaSetWindowSink(CWnd& window, CPreviewWnd& preview, const QkEntity& entity)
      : m_window(window), m_preview(preview), m_entity(entity) {}

  // The command's sink; none: the requests go nowhere.
  void SetCommand(vjd::command::ICommandSink* pCommand) { m_pCommand = pCommand; }

  void ShowMessage(const char* text) override;
  bool ChoosePosition(int preset, int& code, std::string& name) override;
  bool ChooseColour(std::int32_t initial, std::int32_t& chosen) override;
  void RefreshPreview() override;
  void ShowKind(const std::string& kind) override;
  void EnableGrid(bool enabled) override;
  void SendToCommand(int code, int param1, int param2) override;

  // Whether one of the window's modal windows is open.
  bool IsModalOpen() const { return m_nModal > 0; }
  // The window is asked to leave while a modal window is open: see above.
  void LeaveAfterModal();

 private:
  class CModalScope;  // one modal window of the window, while it is open

  CWnd& m_window;
  CPreviewWnd& m_preview;
  const QkEntity& m_entity;
  vjd::command::ICommandSink* m_pCommand = nullptr;
  int m_nModal = 0;                 // modal windows open (one, or none)
  bool m_bLeaveAfterModal = false;  // the window leaves once they are closed
};
