// The in-memory drawing behind the host's automation objects: which entity ids exist and their
// kernel handles, the selection, the current command, the prompt line, highlighted entities,
// the armed pick, what the command changed, and the device data per entity.  The map object owns
// one Drawing; the objects it hands out keep it alive through the map (each holds a reference on
// the map).  Tests and the stand-in host read and set its fields directly.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <oaidl.h>

namespace om {

// One item of an entity's device data: the values of its columns, as GBK texts.
struct DeviceItem {
  int nCode = 0;
  std::vector<std::string> columns;
};

struct Drawing {
  Drawing() = default;
  Drawing(const Drawing&) = delete;
  Drawing& operator=(const Drawing&) = delete;
  ~Drawing() {
    if (pPickArray) pPickArray->Release();
  }

  // Entities: id -> kernel handle, in the order they were added.
  std::vector<int> ids;
  std::map<int, int> handles;
  void AddEntity(int id, int handle) {
    if (!handles.count(id)) ids.push_back(id);
    handles[id] = handle;
  }

  std::vector<int> selection;  // ids, in selection order
  int nCurrentCommand = 0;     // 0: none
  int nCommandState = 0;
  // A map that accepts SetCurrentCommand and keeps the command it has (as a busy host may).
  bool bKeepCurrentCommand = false;
  int nAction = 0;
  double dScale = 1.0;
  bool bChanged = false;
  bool bPickEnded = false;
  std::string strPrompt;
  std::vector<std::string> prompts;  // every prompt written, in order
  std::set<int> highlighted;

  // The armed pick: the integer array the host appends picked ids to (one reference held) and
  // the three selector values.  Null when no pick is armed.
  IDispatch* pPickArray = nullptr;
  int pickArgs[3] = {0, 0, 0};

  std::vector<std::vector<int>> updates;  // each UpdateEntities call's ids
  std::vector<std::string> operations;    // each BeginOperation text
  std::vector<int> recorded;              // each RecordEntity handle
  int nViewUpdates = 0;
  int nRefreshes = 0;

  // Device data: entity id -> its items (one table).
  std::map<int, std::vector<DeviceItem>> deviceData;

  // Command state: whether a command may start, and the command ids it blocks.
  bool bCanStartCommand = true;
  std::set<int> blockedCommands;
  int nPrepareCalls = 0;

  // Called after every member of the map that ran, with its log line (for the stand-in host to
  // repaint, move its prompt line, and so on).
  std::function<void(const std::string&)> onMapCall;
};

}  // namespace om
