// LabelConfigFile: the configuration file "机电数据库\机电配置.cfg" under the host's directory,
// a plain sequence of 1062-byte SymbolLabelConfig records, one per symbol kind, in the order they
// were first written (the format is described in LabelConfigFile.md).  Every operation opens the
// file, creating it empty when missing and never truncating it, and closes it before returning.
// When the file can neither be opened nor created the operation shows "文件没找到！" owned by the
// window given at construction and changes nothing.
//
// The object borrows the owner window and the file system; it keeps no file open between calls.
#pragma once

#include "CString.h"
#include "RecordFile.h"
#include "SymbolLabelConfig.h"

namespace vjd::annotation {

enum class ConfigFileResult {
  kOk,           // done (or found)
  kNotFound,     // the file has no record of the kind: no error
  kUnavailable,  // the file could not be opened or created; "文件没找到！" was shown
  kIoError,      // opened, but a read, write or flush failed; what was written may be partial
};

class LabelConfigFile {
 public:
  static constexpr const char* kRelativePath = "机电数据库\\机电配置.cfg";

  // `host_directory` ends with a backslash (the host executable's path cut after its last one).
  // `owner` is the window that owns the message box; `files` null means the real files.
  LabelConfigFile(const CString& host_directory, void* owner, IRecordFileSystem* files = nullptr);

  CString Path() const { return m_strPath; }

  // The first whole record named `name` (the name cut to its field as a stored one would be).
  // On kNotFound and kUnavailable `record` is left as it was.
  ConfigFileResult FindRecord(const char* name, SymbolLabelConfig& record) const;

  // Overwrites the first record of the same name in place, or writes a new record after the
  // last whole record (over a trailing partial one).  Every font slot is written as "宋体".
  ConfigFileResult StoreRecord(const SymbolLabelConfig& record) const;

  // Deletes label slot `index` of the kind's record: the count becomes `new_count` (clamped to
  // 0..8) and slots index+1 .. new_count move down by one (all fields but the font).  Does
  // nothing unless 0 <= index <= 8 or when the kind has no record; never appends.
  ConfigFileResult RemoveLabelSlot(const char* name, int index, int new_count) const;

  // Height and width of slot 0 of the kind's record; 0.003 and 0.0015 when there is none.
  ConfigFileResult GetFirstSlotSize(const char* name, double& height, double& width) const;

 private:
  // Scans the whole records for `name`; on success `index` is its record number or, when not
  // found, the number of whole records.  `record` holds the (repaired) record found.
  ConfigFileResult Scan(IRecordFile& file, const char* name, SymbolLabelConfig& record,
                        long long& index) const;
  std::unique_ptr<IRecordFile> Open() const;

  CString m_strPath;
  void* m_pOwner;
  IRecordFileSystem* m_pFiles;
};

}  // namespace vjd::annotation
