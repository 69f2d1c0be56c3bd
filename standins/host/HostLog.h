// clang-format off
// The host's event log for checks from outside (--log FILE): one event per line, UTF-8, each
// line flushed as it is written, so a script can follow a run while it goes on.  Texts are handed
// in as GBK and converted.  Lines (fields separated by one blank; a text is the rest of the line):
//   ready <entity count>              the drawing is shown and the plug-in loaded
//   entity <id> <x> <y> <name>        screen point of an entity's base point (after ready)
//   command-line <x> <y>              screen point of the command line's middle
//   window <x> <y> <w> <h> <title>    a plug-in window open after a launch, then its controls:
//   control <id> <x> <y> <text>       the screen point of a control's middle
//   activate <x> <y> <w> <h> <title>  a window of the host's thread (the host's, the plug-in's,
//                                     a modal one) is being activated (ActivationLog.h)
//   open <path> / save <path>         a drawing was read / written
//   error <text>                      a failure the host reported to the user
//   select <id> ...                   the host's selection changed (ids in order)
//   launch <result>                   LaunchCommand returned
//   mouse-status <code> <p1> <p2>     the host sent an event to the plug-in's MouseStatus
//   prompt <text>                     SetPrompt
//   command <id> <state>              SetCurrentCommand
//   action <value>                    the map's Action was set
//   pick-begin <a> <b> <c>            BeginPick armed a pick
//   pick <id>                         a click appended an id to the pick's array
//   pick-ended <0|1>                  the map's PickEnded was set
//   highlight <mark> <id> ...         SetHighlight
//   begin-operation <text>            BeginOperation
//   record-entity <handle>            RecordEntity
//   update-entities <id> ...          UpdateEntities
//   label <id> <index> <text>         a label of an entity named by UpdateEntities, after
//                                     the update
//   changed-flag <0|1>                the map's ChangedFlag was set
//   update-view / refresh             UpdateView / Refresh
//   undo <entity count>               Ctrl+Z restored the labels of the last operation
//   erase <id> ...                    "erase" took the selected entities out of the drawing
//   undo-erase <entity count>         Ctrl+Z brought the last erased entities back
//   erased-lookups <count>            the kernel was asked for an erased entity (other than its
//                                     kind); the count since the start
//   screenshot <path>                 a screenshot was written
//   exit                              the host is leaving
// Without a file every call does nothing.
// clang-format on
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace host {

class HostLog {
 public:
  HostLog() = default;
  ~HostLog();
  HostLog(const HostLog&) = delete;
  HostLog& operator=(const HostLog&) = delete;

  // Opens (truncates) the log; false when the file cannot be written.
  bool Open(const std::wstring& path);
  bool IsOpen() const { return m_file != nullptr; }
  // Writes "event" or "event text"; `gbk` is converted to UTF-8.
  void Line(const char* event, const std::string& gbk = std::string());
  void Ids(const char* event, const std::vector<int>& ids);

  static std::string Utf8FromGbk(const std::string& gbk);

 private:
  FILE* m_file = nullptr;
};

}  // namespace host
