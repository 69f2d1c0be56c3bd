// The objects the map hands out over its drawing: the selection, the command state, the
// highlighter and the device data (root, records, tables).  Each shares the drawing with the map.
#pragma once

#include <memory>
#include <string>

#include "AutomationObject.h"
#include "Drawing.h"

namespace om {

// An automation object that answers from the map's drawing, which it shares with the map.
class DrawingObject : public AutomationObject {
 public:
  explicit DrawingObject(std::shared_ptr<Drawing> drawing) : m_drawing(std::move(drawing)) {}

 protected:
  std::shared_ptr<Drawing> m_drawing;
};

// The host's selection set (PoSelection) over the drawing's selected ids.  Handed out by the map
// and held by it; shares the drawing with the map.
class PoSelection : public DrawingObject {
 public:
  using DrawingObject::DrawingObject;
  const char* LogName() const override { return "Selection"; }

 protected:
  HRESULT OnInvoke(Call& call) override;
};

// The host's command-state object (PoCommandState): whether a command may start now, which
// command ids are blocked, and the preparation before a command starts.  One instance per map,
// held by the map; the fields it answers from are the drawing's.
class PoCommandState : public DrawingObject {
 public:
  using DrawingObject::DrawingObject;
  const char* LogName() const override { return "CommandState"; }

 protected:
  HRESULT OnInvoke(Call& call) override;
};

// The host's highlighter (PoHighlighter): marks and unmarks entities of the drawing and asks for
// them to be redrawn.  One instance per map, held by the map.
class PoHighlighter : public DrawingObject {
 public:
  using DrawingObject::DrawingObject;
  const char* LogName() const override { return "Highlighter"; }
  int RedrawCalls() const { return m_nRedraws; }

 protected:
  HRESULT OnInvoke(Call& call) override;

 private:
  int m_nRedraws = 0;
};

// The map's device-data root: EntityRecord[id] answers the record of an entity (a new object
// each time, owned by the caller); an entity without data has a record whose table is empty.
// One instance per map, held by the map.
class PoDeviceData : public DrawingObject {
 public:
  using DrawingObject::DrawingObject;
  const char* LogName() const override { return "DeviceData"; }

 protected:
  HRESULT OnInvoke(Call& call) override;
};

// One entity's device-data record, handed out by the device-data root for an id; GetTable(0)
// answers its one table (a new object each time, owned by the caller).
class PoEntityRecord : public DrawingObject {
 public:
  PoEntityRecord(std::shared_ptr<Drawing> drawing, int id)
      : DrawingObject(std::move(drawing)), m_nId(id) {}
  const char* LogName() const override { return "EntityRecord"; }

 protected:
  HRESULT OnInvoke(Call& call) override;

 private:
  int m_nId;
};

// One table of an entity's device data: its items as rows (in the drawing's order), each with
// its column values as GBK texts.  FindItem(code) answers the row of an item or -1;
// GetItemValue(row, column, 0, length, buffer) answers the value's byte length with its
// terminating zero when length is 0, and otherwise copies at most `length` bytes of it (the zero
// included when it fits) into the VT_BYREF|VT_UI1 buffer and answers the bytes copied.  A row or
// column that does not exist has the empty value (length 0).  Handed out by a record; the caller
// owns its reference.
class PoDeviceTable : public DrawingObject {
 public:
  PoDeviceTable(std::shared_ptr<Drawing> drawing, int id)
      : DrawingObject(std::move(drawing)), m_nId(id) {}
  const char* LogName() const override { return "DeviceTable"; }

 protected:
  HRESULT OnInvoke(Call& call) override;

 private:
  const std::string* Value(int row, int column) const;
  int m_nId;
};

}  // namespace om
