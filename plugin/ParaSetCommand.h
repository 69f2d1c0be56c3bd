// The annotation configuration command: the handler of the messages the host, LaunchCommand and
// the configuration window deliver through MouseStatus.  One instance, owned by the library
// (Instance()); MouseStatus forwards a message only after the map has reported this command as
// its current one, with the current command state it reported.
//
// For now the command handles no message: every code is ignored.
#pragma once

class CParaSetCommand {
 public:
  static CParaSetCommand& Instance();

  // code: the MouseStatus message code; p1, p2: its parameters; commandState: the state the map
  // reported with its current command id for this call.
  void OnMessage(int code, int p1, int p2, int commandState);

 private:
  CParaSetCommand() = default;
};
