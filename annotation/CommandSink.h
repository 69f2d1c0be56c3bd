// How the configuration window reaches the command that opened it: the command hands the window
// one of these, and the window sends its two requests through it, "选择实体" and leaving
// (CommandMessages.h: kFromWindow with kWindowPicks or kWindowLeaves).  The window borrows it; the
// command outlives every window it opens.
#pragma once

class ICommandSink {
 public:
  virtual ~ICommandSink() = default;
  virtual void Send(int code, int param1, int param2) = 0;
};
