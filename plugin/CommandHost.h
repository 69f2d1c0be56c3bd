// What the command and its launch ask of the world around them, as small interfaces: the map and
// the objects it hands out, the integer array the command owns, the kernel's entity kinds and the
// drawing's device symbols, the configuration window, and the way back into the command's own
// message handler.  Plain C++, no Windows headers: the plug-in gives them the host's access layer
// and its window, tests give them fakes that keep a call log.
//
// Defaults are those of the host access layer: a call the host fails does nothing and answers
// false, 0 or null, and an object the map cannot hand out answers every call with its defaults.
#pragma once

#include <memory>

#include "CArray.h"
#include "CommandSink.h"

namespace vjd::command {

// The host's selection set.  Count 0 and Item 0 when a call fails (no entity has id 0).
class IHostSelection {
 public:
  virtual ~IHostSelection() = default;
  virtual int Count() const = 0;
  virtual int Item(int index) const = 0;
  virtual bool Clear() const = 0;
};

// The host's highlighter: (1, 1) marks the listed entities, (0, 0) unmarks them.
class IHostHighlighter {
 public:
  virtual ~IHostHighlighter() = default;
  virtual bool SetHighlight(const int* ids, int count, int mark, int mode) const = 0;
  virtual bool RedrawEntities(const int* ids, int count) const = 0;
};

// The host's command-state object, held for one launch.  A failing call refuses the launch:
// CanStartCommand answers false, IsCommandBlocked true.
class IHostCommandState {
 public:
  virtual ~IHostCommandState() = default;
  virtual bool CanStartCommand() const = 0;
  virtual bool IsCommandBlocked(int commandId) const = 0;
  virtual bool PrepareCommand() const = 0;
};

// The host integer array the command owns.  With no object held nothing reaches the host:
// GetSize 0, GetAt 0, GetData null.
class IHostIntArray {
 public:
  virtual ~IHostIntArray() = default;
  virtual bool IsAttached() const = 0;
  // A new array object; false when the host makes none.
  virtual bool Create() = 0;
  // The object goes back to the host; nothing held afterwards.
  virtual void Release() = 0;
  // The object is let go without a word to the host (the host is going away).
  virtual void Forget() = 0;
  virtual int GetSize() const = 0;
  virtual bool SetSize(int size, int growBy) const = 0;
  virtual bool RemoveAll() const = 0;
  virtual int GetAt(int index) const = 0;
  virtual bool SetAt(int index, int value) const = 0;
  // The address of the array's ints, valid until the array changes; null when the host gives none.
  virtual const int* GetData() const = 0;
  // The host's object itself, as the map takes it to pick into; null when none is held.
  virtual void* HostObject() const = 0;
};

// The host's map.  The objects it hands out are never null and belong to the caller; the host
// releases its side when they go.
class IHostMap {
 public:
  virtual ~IHostMap() = default;
  virtual std::unique_ptr<IHostSelection> Selection() const = 0;
  virtual std::unique_ptr<IHostHighlighter> Highlighter() const = 0;
  virtual std::unique_ptr<IHostCommandState> CommandState() const = 0;
  // False, with id and state 0, when the map cannot say.
  virtual bool GetCurrentCommand(int& id, int& state) const = 0;
  virtual bool SetCurrentCommand(int id, int state) const = 0;
  virtual bool SetPrompt(const char* text) const = 0;
  virtual bool SetAction(int action) const = 0;
  virtual bool SetPickEnded(bool ended) const = 0;
  virtual bool UpdateView() const = 0;
  virtual bool Refresh() const = 0;
  // Arms a pick into `array`: the host appends the picked ids and reports each step.
  virtual bool BeginPick(const IHostIntArray& array, int a, int b, int c) const = 0;
  // Tells the map's window to set its cursor anew (WM_SETCURSOR, both parameters 0).
  virtual void RefreshCursor() const = 0;
  // The kernel handle of entity `id`; 0 for none.
  virtual int EntityHandle(int id) const = 0;
};

// The drawing beyond the map: the kernel's kind of an entity, and the device symbols the maker's
// library lists.
class IDrawingSymbols {
 public:
  virtual ~IDrawingSymbols() = default;
  // The kernel's kind of `handle` (QK_KIND_*; QK_KIND_NONE for an unknown handle).
  virtual int EntityKind(int handle) const = 0;
  // Replaces both lists by every device symbol of the drawing, pairwise, in the drawing's order;
  // returns their number.
  virtual int DeviceSymbols(CArray<int, int>& handles, CArray<int, int>& ids) const = 0;
};

// Device symbols as the command hands them to the window: element i of each list names one
// entity.
struct SymbolLists {
  CArray<int, int> handles;
  CArray<int, int> ids;
  int Count() const { return ids.GetSize(); }
};

// One configuration window the command opened.  The window itself belongs to its own lifetime
// (it goes when the user leaves it); this object only reaches it while it exists.
class IConfigWindow {
 public:
  virtual ~IConfigWindow() = default;
  virtual bool IsAlive() const = 0;
  virtual void Show(bool visible) = 0;
  // A pick ended with `count` device symbols (those of `picked`).
  virtual void ShowPickResult(int count, const SymbolLists& picked) = 0;
  // Brings the window, or the choice it has open, to the front (restored if minimised).
  virtual void BringToFront() = 0;
  virtual void Destroy() = 0;
};

// The resource context switched to this library's module (its window templates, bitmaps and
// strings are found) while the object lives, and switched back when it goes.
class IResourceScope {
 public:
  virtual ~IResourceScope() = default;
};

// Makes configuration windows.
class IConfigWindows {
 public:
  virtual ~IConfigWindows() = default;
  // Switches the resource context to this library's module until the object goes.
  virtual std::unique_ptr<IResourceScope> OwnResources() = 0;
  // A new window with the selected device symbols (none: the window gets no selection) and all
  // of the drawing's (none: no list), shown; null when no window came about.  The window sends
  // its requests ("选择实体", leaving) to `requests`, which outlives it.
  virtual std::unique_ptr<IConfigWindow> Open(const SymbolLists& selected, const SymbolLists& all,
                                              ICommandSink& requests) = 0;
};

}  // namespace vjd::command
