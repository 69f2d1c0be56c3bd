// CModalLoop: says that a modal loop of this module runs (a dialog's DoModal, the colour dialog, a
// message box) for as long as the object lives.  CDialog::DoModal, CColorDialog::DoModal and
// fw::AfxMessageBox hold one around the system's modal call.
//
// Why it matters: such a loop dispatches every message of the thread, the host's too, so the
// host's own code can run while this module's frames wait under the loop, and that code may free
// this library (FreeLibrary).  The loop would then return into code that is gone.  So the first
// time a message for a window that is neither this module's nor owned by one of its windows (or
// a message for no window at all: a timer procedure, a thread message) is taken from the queue
// inside such a loop, before it is dispatched, the module pins itself: it stays loaded until the
// process ends, and a later FreeLibrary frees nothing.  As long as the host's code never gets to
// run inside one of the module's modal loops, the host can free the library as before.  (Messages
// that the system or other threads send straight to a host window, without the queue, are not
// seen.)
//
// The loops are seen through the thread's message hook (Wnd.h), which each CModalLoop keeps
// installed while it lives.  Everything runs on the one user-interface thread.
#pragma once

#include <windows.h>

class CModalLoop {
 public:
  CModalLoop();
  ~CModalLoop();
  CModalLoop(const CModalLoop&) = delete;
  CModalLoop& operator=(const CModalLoop&) = delete;

  // Called by the message hook for each message taken from the queue, before it goes on.
  static void OnMessageTaken(const MSG& msg);
};
