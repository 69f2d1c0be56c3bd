// Compiled resources read without Windows: the resources of a .res file (as windres or rc writes
// it) and the extended dialog templates among them, seen as the dialog manager sees them.  Texts
// stay UTF-16 as stored; every read is checked against the bytes there are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vjd::test {

// A name-or-ordinal field: an ordinal (0 to 65535), or a text when ordinal is -1.
struct ResourceName {
  int ordinal = -1;
  std::u16string text;
};

struct DialogItem {
  uint32_t helpId = 0, exStyle = 0, style = 0;
  int16_t x = 0, y = 0, cx = 0, cy = 0;
  int32_t id = 0;
  ResourceName windowClass;
  ResourceName title;  // a text, or the ordinal of a resource (a static's picture)
  std::vector<uint8_t> creationData;
};

struct DialogTemplate {
  uint32_t helpId = 0, exStyle = 0, style = 0;
  int16_t x = 0, y = 0, cx = 0, cy = 0;
  ResourceName menu, windowClass;
  std::u16string caption;
  uint16_t pointSize = 0, weight = 0;  // the font, when the style asks for one
  uint8_t italic = 0, charset = 0;
  std::u16string face;
  std::vector<DialogItem> items;
};

// Reads an extended template (DIALOGEX) of `size` bytes; false with `error` set when it is of
// another kind or its bytes end early.
bool ParseDialogEx(const uint8_t* data, size_t size, DialogTemplate& out, std::string& error);

// An item's class as the dialog manager names it: the predefined ordinals 0x80 to 0x85 by their
// names, every class in upper case ("BUTTON", "SYSLISTVIEW32").
std::string ClassName(const ResourceName& windowClass);

enum : int { kResourceBitmap = 2, kResourceDialog = 5 };

class ResourceFile {
 public:
  struct Resource {
    ResourceName type, name;
    uint16_t language = 0;
    std::vector<uint8_t> data;
  };

  // Reads every resource of the .res file at `path`; false with Error() set when it cannot be
  // read or is not a resource file.
  bool Load(const std::string& path);
  // The data of the resource of ordinal type and id; null when there is none.
  const std::vector<uint8_t>* Find(int type, int id) const;
  // The dialog template `id`; false with Error() set when there is none or it is malformed.
  bool Dialog(int id, DialogTemplate& out);
  const std::string& Error() const { return error_; }

 private:
  std::vector<Resource> resources_;
  std::string error_;
};

}  // namespace vjd::test
