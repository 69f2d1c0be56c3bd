// The two ways into the command from the host: the launch (LaunchCommand) and the gate every
// MouseStatus message passes (only while the map reports this command as its current one).
// Plain C++ over the map's interface (CommandHost.h); the exports hand in the map they were given
// and the ids and action stored last.
#pragma once

#include "CommandHost.h"

namespace vjd::command {

// The command id by which the map says that no command is current.
inline constexpr int kNoCommand = 0;

// Launches the command on `map`: 1 when it became the map's current command and its start went
// to `messages`, 0 when it was refused (no map, no command id given, the host cannot start a
// command or blocks this one, it is current already, or the map did not make it current; when the
// map took the call but cannot say which command is current, the command current before is made
// current again).  The command-state object goes back to the host before the function returns,
// whichever way.
// `running`, when given, tells whether the map reported this command as current when asked
// first (then the launch is refused).
int Launch(const IHostMap* map, int commandId, int action, const char* prompt,
           ICommandSink& messages, bool* running = nullptr);

// Whether a MouseStatus message goes to the command: a map is attached, the command has an id
// (not kNoCommand) and the map reports it as its current command; `state` receives the command
// state it reported with it.
bool PassesGate(const IHostMap* map, int commandId, int& state);

}  // namespace vjd::command
