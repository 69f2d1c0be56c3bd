#include "CommandGate.h"

#include "CommandMessages.h"

namespace vjd::command {

int Launch(const IHostMap* map, int commandId, int action, const char* prompt,
           ICommandSink& messages, bool* running) {
  if (running) *running = false;
  // Id 0 is the map's "no command": made current, it would end the host's own command and report
  // a launch of a command the map does not know as current.
  if (!map || commandId == kNoCommand) return 0;
  int currentId = 0, currentState = 0;
  map->GetCurrentCommand(currentId, currentState);
  if (running) *running = currentId == commandId;
  std::unique_ptr<IHostCommandState> commandState = map->CommandState();
  if (!commandState->CanStartCommand()) return 0;
  if (commandState->IsCommandBlocked(commandId)) return 0;
  if (currentId == commandId) return 0;
  commandState->PrepareCommand();
  // A command the map did not make current would never hear of the user's input: the map is
  // asked afterwards, since one may accept the call and keep another command current.
  if (!map->SetCurrentCommand(commandId, currentState)) return 0;
  int nowId = 0, nowState = 0;
  if (!map->GetCurrentCommand(nowId, nowState)) {
    // The map may have made it current without saying so: a command that is refused must not
    // stay current with no window, so the previous one comes back.
    map->SetCurrentCommand(currentId, currentState);
    return 0;
  }
  if (nowId != commandId) return 0;
  map->SetPrompt(prompt);
  map->SetAction(action);
  messages.Send(kStart, 0, 0);
  return 1;
}

bool PassesGate(const IHostMap* map, int commandId, int& state) {
  if (!map) return false;  // no map attached: there is nothing to work on
  // Without an id of its own the command would take the map's "no command" for itself, and act
  // on every key and end while no command runs.
  if (commandId == kNoCommand) return false;
  int currentId = 0;
  state = 0;
  map->GetCurrentCommand(currentId, state);
  return currentId == commandId;  // else another command is current
}

}  // namespace vjd::command
