// Tells the host's event log about each window of the host's thread as it becomes active: the
// host's own window, the plug-in's configuration window and every modal window it opens over it
// (the position window, a message box, the colour dialog), as "activate x y w h title" with the
// window's screen rectangle, frame and caption included.  A script driving the host from outside
// learns from it which window has the input now and where it lies (to take its picture), also
// for windows the host itself never created and whose loop it does not run.
#pragma once

namespace host {

class HostLog;

class ActivationLog {
 public:
  // Installs a hook on the calling thread that writes to `log` until the thread ends; once per
  // thread (a second call does nothing).  Nothing is installed when the log is not open.
  static void Start(HostLog& log);
};

}  // namespace host
