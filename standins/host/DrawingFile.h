// The host's drawing file: every entity of a drawing with its id, kind, names, placed symbol or
// line, labels and device data, as GBK text (format in DrawingFile.md).  Parse and Write are
// pure: the host moves a parsed drawing into the kernel and the object model, and collects one
// back from them before writing.
//
// Parsing is all or nothing: a drawing with any fault yields no entity at all and an error that
// names the line.  The Drawing owns its entities by value.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace host {

struct DrawingLabel {
  int visible = 1;
  int position = 0;
  double height = 0.003, width = 0.0015, angle = 0;
  int follows = 1;
  uint32_t fore = 0, back = 0;
  std::string text;  // at most 99 bytes
};

struct DeviceItem {
  int item = 0;    // item code, e.g. 164 motor model
  int column = 0;  // column of the item's row
  std::string value;
};

struct DrawingEntity {
  int id = 0;            // the map's entity id, unique, > 0
  int kind = 0;          // kernel entity kind: 28 point symbol, 29 cable, 1 plain line
  std::string name;      // at most 31 bytes
  std::string kindName;  // at most 31 bytes
  std::string symbol;    // symbol name in the library; empty for a line entity
  double x = 0, y = 0, angle = 0;
  std::vector<double> points;  // x, y pairs of a line entity
  bool hasColour = false;
  uint32_t colour = 0;
  std::vector<DrawingLabel> labels;  // at most kMaxLabels
  std::vector<DeviceItem> data;
};

struct Drawing {
  std::vector<DrawingEntity> entities;
  const DrawingEntity* Find(int id) const;
};

class DrawingFile {
 public:
  static constexpr int kMaxLabels = 32;  // as many as the kernel keeps
  static constexpr size_t kMaxNameBytes = 31;
  static constexpr size_t kMaxLabelBytes = 99;

  // Parses the whole text of a drawing file; on failure `out` is left empty.
  static bool Parse(const std::string& text, Drawing& out, std::string& error);
  static bool Read(const char* path, Drawing& out, std::string& error);
  static std::string Write(const Drawing& drawing);
  // Writes through a temporary file that replaces `path` only once complete.
  static bool Save(const char* path, const Drawing& drawing, std::string& error);
};

}  // namespace host
