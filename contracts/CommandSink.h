// The way into the command, MouseStatus and its current-command gate: the command sends itself
// its own messages through it (the end, the prompt request), the launch its start, and the
// configuration window its two requests, "选择实体" and leaving (CommandMessages.h: kFromWindow
// with kWindowPicks or kWindowLeaves).  The window borrows it; the command outlives every window
// it opens.
#pragma once

namespace vjd::command {

class ICommandSink {
 public:
  virtual ~ICommandSink() = default;
  virtual void Send(int code, int param1, int param2) = 0;
};

}  // namespace vjd::command
