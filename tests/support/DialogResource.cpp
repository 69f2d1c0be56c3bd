#include "DialogResource.h"

#include <fstream>
#include <iterator>

namespace vjd::test {
namespace {

// Little-endian reads within [begin, end); a read past the end sets `failed` and gives zeros.
class Cursor {
 public:
  Cursor(const uint8_t* begin, size_t size) : begin_(begin), at_(begin), end_(begin + size) {}

  bool failed = false;

  size_t Offset() const { return static_cast<size_t>(at_ - begin_); }
  void AlignTo4() { Skip((4 - Offset() % 4) % 4); }
  void Skip(size_t n) {
    if (static_cast<size_t>(end_ - at_) < n) {
      failed = true;
      at_ = end_;
    } else {
      at_ += n;
    }
  }
  uint8_t Byte() {
    if (at_ == end_) {
      failed = true;
      return 0;
    }
    return *at_++;
  }
  uint16_t Word() { return static_cast<uint16_t>(Byte() | Byte() << 8); }
  uint32_t Dword() { return Word() | static_cast<uint32_t>(Word()) << 16; }
  int16_t Short() { return static_cast<int16_t>(Word()); }
  std::u16string Text() {
    std::u16string text;
    for (uint16_t c = Word(); c != 0 && !failed; c = Word()) text.push_back(c);
    return text;
  }
  // A name-or-ordinal field: 0 (nothing), 0xFFFF and an ordinal, or a text.
  ResourceName Name() {
    ResourceName name;
    const uint16_t first = Word();
    if (first == 0xFFFF) {
      name.ordinal = Word();
    } else if (first != 0) {
      name.text.push_back(first);
      name.text += Text();
    }
    return name;
  }
  std::vector<uint8_t> Bytes(size_t n) {
    const uint8_t* from = at_;
    Skip(n);
    return failed ? std::vector<uint8_t>() : std::vector<uint8_t>(from, at_);
  }

 private:
  const uint8_t* begin_;
  const uint8_t* at_;
  const uint8_t* end_;
};

constexpr uint32_t kSetFont = 0x40;  // DS_SETFONT: a font follows the caption

}  // namespace

bool ParseDialogEx(const uint8_t* data, size_t size, DialogTemplate& out, std::string& error) {
  out = DialogTemplate();
  Cursor in(data, size);
  const uint16_t version = in.Word(), signature = in.Word();
  if (in.failed || version != 1 || signature != 0xFFFF) {
    error = "not an extended dialog template";
    return false;
  }
  out.helpId = in.Dword();
  out.exStyle = in.Dword();
  out.style = in.Dword();
  const uint16_t count = in.Word();
  out.x = in.Short(), out.y = in.Short(), out.cx = in.Short(), out.cy = in.Short();
  out.menu = in.Name();
  out.windowClass = in.Name();
  out.caption = in.Text();
  if (out.style & kSetFont) {
    out.pointSize = in.Word();
    out.weight = in.Word();
    out.italic = in.Byte();
    out.charset = in.Byte();
    out.face = in.Text();
  }
  for (uint16_t i = 0; i < count && !in.failed; ++i) {
    in.AlignTo4();  // every item starts on a DWORD boundary
    DialogItem item;
    item.helpId = in.Dword();
    item.exStyle = in.Dword();
    item.style = in.Dword();
    item.x = in.Short(), item.y = in.Short(), item.cx = in.Short(), item.cy = in.Short();
    item.id = static_cast<int32_t>(in.Dword());
    item.windowClass = in.Name();
    item.title = in.Name();
    item.creationData = in.Bytes(in.Word());
    out.items.push_back(std::move(item));
  }
  if (in.failed) {
    error = "the template ends within item " + std::to_string(out.items.size()) + " of " +
            std::to_string(count);
    return false;
  }
  return true;
}

std::string ClassName(const ResourceName& windowClass) {
  static const char* const kPredefined[] = {"BUTTON",  "EDIT",      "STATIC",
                                            "LISTBOX", "SCROLLBAR", "COMBOBOX"};
  if (windowClass.ordinal >= 0x80 && windowClass.ordinal <= 0x85)
    return kPredefined[windowClass.ordinal - 0x80];
  if (windowClass.ordinal >= 0) return "#" + std::to_string(windowClass.ordinal);
  std::string name;
  for (char16_t c : windowClass.text)
    name.push_back(c >= u'a' && c <= u'z' ? static_cast<char>(c - u'a' + 'A')
                   : c < 0x80             ? static_cast<char>(c)
                                          : '?');
  return name;
}

// A .res file: entries of a header (data size, header size, type, name, DWORD-aligned, then
// data version, memory flags, language, version, characteristics) and DWORD-aligned data.  The
// first entry is an empty one that marks the 32-bit format.
bool ResourceFile::Load(const std::string& path) {
  resources_.clear();
  std::ifstream file(path, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                   std::istreambuf_iterator<char>());
  if (!file.good() && !file.eof()) {
    error_ = "cannot read " + path;
    return false;
  }
  size_t at = 0;
  while (at < bytes.size()) {
    Cursor in(bytes.data() + at, bytes.size() - at);
    const uint32_t dataSize = in.Dword(), headerSize = in.Dword();
    Resource resource;
    resource.type = in.Name();
    resource.name = in.Name();
    in.AlignTo4();
    in.Skip(6);  // data version, memory flags
    resource.language = in.Word();
    in.Skip(8);  // version, characteristics
    const bool first = at == 0;
    if (in.failed || headerSize < in.Offset() || headerSize > bytes.size() - at ||
        (first && (dataSize != 0 || headerSize != 32))) {
      error_ = path + ": not a resource file, or broken at byte " + std::to_string(at);
      return false;
    }
    Cursor data(bytes.data() + at + headerSize, bytes.size() - at - headerSize);
    resource.data = data.Bytes(dataSize);
    if (data.failed) {
      error_ = path + ": the resource at byte " + std::to_string(at) + " ends early";
      return false;
    }
    if (!first) resources_.push_back(std::move(resource));
    at += (headerSize + dataSize + 3) / 4 * 4;
  }
  if (resources_.empty()) {
    error_ = path + ": no resources";
    return false;
  }
  return true;
}

const std::vector<uint8_t>* ResourceFile::Find(int type, int id) const {
  for (const Resource& r : resources_) {
    if (r.type.ordinal == type && r.name.ordinal == id) return &r.data;
  }
  return nullptr;
}

bool ResourceFile::Dialog(int id, DialogTemplate& out) {
  const std::vector<uint8_t>* data = Find(kResourceDialog, id);
  if (!data) {
    error_ = "no dialog template " + std::to_string(id);
    return false;
  }
  return ParseDialogEx(data->data(), data->size(), out, error_);
}

}  // namespace vjd::test
