// VellJDBase's own reading of the label configuration file ("机电数据库\机电配置.cfg" under the
// host's directory): the stored layout of one symbol kind, for HasKindConfiguration and
// AnnotateEntity.  Written from the file's format document (annotation/LabelConfigFile.md) alone;
// the library shares no code with the plug-in that writes the file, so a fault in either reader
// shows as a difference between the two (tests/vjdbase compares them over a table of files).
//
// The file is a plain run of 1062-byte records read field by field at the document's offsets
// (little-endian); a trailing partial record is no record.  A record read is repaired as the
// document says before it is used.  Portable: no Windows headers.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace jdbase {

inline constexpr std::size_t kKindRecordBytes = 1062;
inline constexpr int kKindRecordSlots = 8;

// One label slot of a kind, as AnnotateEntity lays it out.
struct KindLabel {
  std::string text;  // GBK, at most 49 bytes
  int visible = 0;
  int position = 0;  // position code, 0..24 in a sound file
  int fore = 0;      // COLORREF
  int back = 0;
  double height = 0.003;
  double width = 0.0015;
  double angle = 0.0;
  int angleFollows = 1;
};

// The stored layout of one kind: its name and the slots in use (count 0..8).
struct KindRecord {
  std::string kind;
  int count = 0;
  KindLabel labels[kKindRecordSlots];
};

// The record at `bytes` (kKindRecordBytes of them), repaired: the count clamped into 0..8, every
// text cut at its field's last byte, and a height, width or angle that is no finite number read
// as its initial value (0.003, 0.0015, 0).
KindRecord ParseKindRecord(const unsigned char* bytes);

enum class KindLookup {
  kFound,
  kNotFound,   // no whole record of the kind (or no file at all)
  kUnreadable  // the file exists but could not be read
};

// The first whole record of `kind` in `file`, read from the file's start.  The kind is compared
// byte for byte with the name field up to its first zero, after being cut to 49 bytes as a
// stored name is (never inside a double-byte character).
KindLookup FindKindRecord(std::FILE* file, const char* kind, KindRecord& record);

// The same for the file at `path` (opened for reading only; a missing file holds no kinds).
KindLookup LookUpKindRecord(const std::string& path, const char* kind, KindRecord& record);

// The layout a kind gets when nothing is stored for it, as the configuration window shows it:
// false (and `record` untouched) for a kind that has none.
bool DefaultKindRecord(const char* kind, KindRecord& record);

}  // namespace jdbase
