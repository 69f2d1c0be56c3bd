// The annotation configuration command: the handler of the messages the host, LaunchCommand and
// the configuration window deliver through MouseStatus.  MouseStatus forwards a message only after
// the map has reported this command as its current one, with the current command state it
// reported (CommandGate.h).
//
// Messages (param1, param2 as MouseStatus passes them):
//   18  start: after the integer array is made, and in this library's resource context until
//       the start is done, the host's selection moves into the array, the device symbols among
//       it and all device symbols of the drawing go to a new configuration window, which is
//       shown;
//    0  pick step (state 0 only): highlight everything picked so far, re-arm the pick;
//    3  pick end (state 0 only): show the window with the picked device symbols (each symbol
//       once, however often it was picked);
//    7  key: Escape (27) ends the command, other keys do nothing;
//   19  from the window: param2 0 ends the command, 2 hides the window and starts a new pick;
//   11  end: highlight removed, array released, selection emptied, no command current, prompt;
//       a window hidden by a pick still running is shown again;
//   every other code does nothing (21, the prompt request, included: its text stays empty).
// What the command sends itself (the end, the prompt request) goes back through MouseStatus, and
// so through its current-command test.
//
// Only the newest window speaks for the command: a window left open after Escape, when the
// command is launched again, still stores and pushes its labels and closes on "退出", but its
// "选择实体" and its leaving no longer reach the command, which belongs to the newer window (it
// would hide that window for a pick, or end the command under it).
//
// Ownership: the integer array object is the command's, created at a start when none is held and
// released at the command's end, or when the host frees the library (OnLibraryDetach), never
// while the process ends.  The newest window is reached through the IConfigWindow the command
// keeps, and only while that window exists; the window itself belongs to its own lifetime.  The
// command keeps the earlier windows still open too, each with the sink its requests go to: only
// to close them when the host frees the library.  The
// map, the drawing and everything the host hands out belong to the host.  Plain C++: every host
// and window call goes through the interfaces of CommandHost.h.
#pragma once

#include <memory>
#include <vector>

#include "CommandHost.h"

class CParaSetCommand {
 public:
  // Borrows all four; they outlive the command.
  CParaSetCommand(vjd::command::IHostIntArray& array, const vjd::command::IDrawingSymbols& drawing,
                  vjd::command::IConfigWindows& windows, vjd::command::ICommandSink& messages);
  CParaSetCommand(const CParaSetCommand&) = delete;
  CParaSetCommand& operator=(const CParaSetCommand&) = delete;

  // code: the MouseStatus message code; p1, p2: its parameters; commandState: the state the map
  // reported with its current command id for this call.
  void OnMessage(const vjd::command::IHostMap& map, int code, int p1, int p2, int commandState);

  // The host launched the command again while it runs: the launch is refused, and the newest
  // window comes to the front, unless a pick has it hidden, so the user finds the running
  // command's window instead of nothing (it may lie behind the host's window).
  void OnLaunchWhileRunning();

  // The newest window while it exists, else nullptr.
  vjd::command::IConfigWindow* LiveWindow() const;
  // The host objects the command holds now (its integer array: 0 or 1).
  int HostObjectsHeld() const { return HasArrayObject() ? 1 : 0; }

  // The library is unloading.  Freed by the host: a window still open is destroyed (its code goes
  // with the library) and the array object goes back to the host.  The process ends: the host's
  // objects may be gone already, so nothing of the host is called and the array is let go.
  void OnLibraryDetach(bool bProcessEnds);

 private:
  void OnStart(const vjd::command::IHostMap& map);
  void OnPickStep(const vjd::command::IHostMap& map);
  void OnPickEnd(const vjd::command::IHostMap& map);
  void OnNewPick(const vjd::command::IHostMap& map);
  void OnEnd(const vjd::command::IHostMap& map);

  // The device symbols (kind 28 or 29) among the array's ids, in the array's order, each id
  // once (at its first place).
  vjd::command::SymbolLists FilterDeviceSymbols(const vjd::command::IHostMap& map) const;
  // Marks (1, 1) or unmarks (0, 0) the array's entities and redraws them; names none when the
  // host gives no address of the array's ids.
  void Highlight(const vjd::command::IHostMap& map, int mark) const;
  void ArmPick(const vjd::command::IHostMap& map) const;
  bool HasArrayObject() const { return m_array.IsAttached(); }

  // Where one window's requests go: on to the command while that window is the newest, else
  // nowhere.
  class CWindowRequests : public vjd::command::ICommandSink {
   public:
    explicit CWindowRequests(const CParaSetCommand& command) : m_command(command) {}
    void Send(int code, int param1, int param2) override;

   private:
    const CParaSetCommand& m_command;
  };
  // A window the command opened, with the sink of its requests (which outlives the window).
  struct OpenedWindow {
    std::unique_ptr<CWindowRequests> requests;
    std::unique_ptr<vjd::command::IConfigWindow> window;
  };

  vjd::command::IHostIntArray& m_array;
  const vjd::command::IDrawingSymbols& m_drawing;
  vjd::command::IConfigWindows& m_windows;
  vjd::command::ICommandSink& m_messages;
  OpenedWindow m_newest;                // the newest window, if any
  std::vector<OpenedWindow> m_earlier;  // older ones still open
  bool m_bHiddenForPick = false;        // the newest window is hidden while a pick runs
};
