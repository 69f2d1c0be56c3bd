// The annotation configuration command: the handler of the messages the host, LaunchCommand and
// the configuration window deliver through MouseStatus.  One instance, owned by the library
// (Instance()); MouseStatus forwards a message only after the map has reported this command as
// its current one, with the current command state it reported.
//
// Messages (param1, param2 as MouseStatus passes them):
//   18  start: the host's selection moves into the command's integer array, the device symbols
//       among it and all device symbols of the drawing go to a new configuration window, which
//       is created from template 3000 and shown;
//    0  pick step (state 0 only): highlight everything picked so far, re-arm the pick;
//    3  pick end (state 0 only): show the window with the picked device symbols;
//    7  key: Escape (27) ends the command, other keys do nothing;
//   19  from the window: param2 0 ends the command, 2 hides the window and starts a new pick;
//   11  end: highlight removed, array released, selection emptied, no command current, prompt;
//   every other code does nothing (21, the prompt request, included: its text stays empty).
//
// Ownership: the integer array object (created by "PelionObjects.POIntArray") is the command's,
// held by a driver that exists from the first message that reaches the command until the
// library unloads; the object itself is released at the command's end, or when the host frees
// the library (OnLibraryDetach), never while the process ends.  The window object belongs to its
// window; the command keeps a pointer to the newest one and uses it only while that window exists.
// The map and everything it hands out belong to the host.
#pragma once

#include <windows.h>

#include <memory>

#include "CArray.h"
#include "CommandSink.h"

class CDlgParaSet;
namespace vjd::host {
class CPOIntArrayDriver;
class CPoMapDriver;
}  // namespace vjd::host

// The message codes are those of CommandMessages.h.  The command is the sink of every window it
// opens: what a window sends goes through MouseStatus, and so through its current-command test.
class CParaSetCommand : private ICommandSink {
 public:
  static CParaSetCommand& Instance();

  // code: the MouseStatus message code; p1, p2: its parameters; commandState: the state the map
  // reported with its current command id for this call.
  void OnMessage(int code, int p1, int p2, int commandState);

  // The newest window object while its window exists, else nullptr.
  CDlgParaSet* LiveWindow() const;
  // The host objects the command holds now (its integer array: 0 or 1); 0 before it exists.
  static int HostObjectsHeld();

  // The library is unloading.  Freed by the host (FreeLibrary): the array object goes back to
  // the host and a window still open is destroyed (its procedure would outlive the code).  The
  // process ends: the host's objects may be gone already, so nothing of the host is called and
  // the reference is left behind with the process.  Safe before the command exists.
  static void OnLibraryDetach(bool bProcessEnds);

 private:
  CParaSetCommand();
  ~CParaSetCommand() override;

  void Send(int code, int param1, int param2) override;

  void OnStart(const vjd::host::CPoMapDriver& map);
  void OnPickStep(const vjd::host::CPoMapDriver& map);
  void OnPickEnd(const vjd::host::CPoMapDriver& map);
  void OnNewPick(const vjd::host::CPoMapDriver& map);
  void OnEnd(const vjd::host::CPoMapDriver& map);

  // The device symbols (kind 28 or 29) among the array's ids, in the array's order.
  int FilterDeviceSymbols(const vjd::host::CPoMapDriver& map, CArray<int, int>& handles,
                          CArray<int, int>& ids) const;
  // Marks (1, 1) or unmarks (0, 0) the array's entities and redraws them; names none when the
  // host gives no address of the array's ids.
  void Highlight(const vjd::host::CPoMapDriver& map, int mark) const;
  bool HasArrayObject() const;

  std::unique_ptr<vjd::host::CPOIntArrayDriver> m_pIntArray;  // from the first message on
  CDlgParaSet* m_pDlg;                                        // the newest window object
  HWND m_hDlg;  // its window, to tell whether the object still lives
};
