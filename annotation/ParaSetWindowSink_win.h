// CParaSetWindowSink: the configuration window as its model's sink - message boxes owned by the
// window, the label position window and the colour dialog, the preview drawn anew, the caption of
// the shown kind above the grid, the grid and its bar enabled or not, and the requests for the
// command, which go to the command's own sink.  Borrows the window, its preview, the preview
// entity's handle (as the window holds it) and the command's sink; owns nothing.
#pragma once

#include "CommandSink.h"
#include "ParaSetSink.h"
#include "PreviewWnd.h"
#include "Wnd.h"

class CParaSetWindowSink : public IParaSetSink {
 public:
  CParaSetWindowSink(CWnd& window, CPreviewWnd& preview, const QkEntity& entity)
      : m_window(window), m_preview(preview), m_entity(entity) {}

  // The command's sink; none: the requests go nowhere.
  void SetCommand(ICommandSink* pCommand) { m_pCommand = pCommand; }

  void ShowMessage(const char* text) override;
  bool ChoosePosition(int preset, int& code, std::string& name) override;
  bool ChooseColour(std::int32_t initial, std::int32_t& chosen) override;
  void RefreshPreview() override;
  void ShowKind(const std::string& kind) override;
  void EnableGrid(bool enabled) override;
  void SendToCommand(int code, int param1, int param2) override;

 private:
  CWnd& m_window;
  CPreviewWnd& m_preview;
  const QkEntity& m_entity;
  ICommandSink* m_pCommand = nullptr;
};
