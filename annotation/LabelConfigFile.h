// LabelConfigFile: the configuration file "机电数据库\机电配置.cfg" under the host's directory,
// a plain sequence of 1062-byte SymbolLabelConfig records, one per symbol kind, in the order they
// were first written (the format is described in LabelConfigFile.md).  Every operation opens the
// file, creating it empty when missing and never truncating it, and closes it before returning.
// Each returns what happened (FileStatus) and shows nothing: telling the user is the caller's.
// Each holds the file's lock while it runs (RecordFile.h): shared to find, exclusive to store and
// remove; a lock that another program keeps longer than the file system's wait makes the file
// unavailable for that operation, which then changes nothing.
//
// The object borrows the file system; it keeps no file open between calls.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "CString.h"
#include "FileStatus.h"
#include "RecordFile.h"
#include "SymbolLabelConfig.h"

namespace vjd::annotation {

class LabelConfigFile {
 public:
  static constexpr const char* kRelativePath = "机电数据库\\机电配置.cfg";

  // `host_directory` ends with a backslash (the host executable's path cut after its last one).
  // `files` null means the real files.
  explicit LabelConfigFile(const CString& host_directory, IRecordFileSystem* files = nullptr);

  CString Path() const { return m_strPath; }

  // The first whole record named `name` (the name cut to its field as a stored one would be),
  // repaired for use.  Unless the status is ok, `record` is left as it was.
  FileStatus FindRecord(const char* name, SymbolLabelConfig& record) const;

  // Overwrites the first record of the same name in place, or writes a new record after the
  // last whole record (over a trailing partial one).  Every font slot is written as "宋体".  An
  // overwrite that fails puts the record's previous bytes back.
  FileStatus StoreRecord(const SymbolLabelConfig& record) const;

  // Deletes label slot `index` of the kind's record as the file holds it: the count (clamped to
  // 0..8) goes down by one and the slots after `index` in use move down by one (all fields but
  // the font); no other byte of the record changes, the last slot in use keeps its bytes beyond
  // the new count.  Does nothing unless the record has slot `index` in use; NotFound when the
  // kind has no record; never appends.
  FileStatus RemoveLabelSlot(const char* name, int index) const;

  // Height and width of slot 0 of the kind's record; 0.003 and 0.0015 when there is none or the
  // file cannot be used.
  FileStatus GetFirstSlotSize(const char* name, double& height, double& width) const;

 private:
  // Scans the whole records for `name`.  Ok: `index` is its record number and `record` holds its
  // bytes as they are in the file.  NotFound: `index` is the number of whole records.
  static FileStatus Scan(IRecordFile& file, const char* name, SymbolLabelConfig& record,
                         long long& index);
  // The file opened and locked; null when it cannot be opened or its lock was not had in time.
  std::unique_ptr<IRecordFile> Open(RecordFileLock lock) const;
  // Writes `record` over record number `index`; when that fails, puts `previous` back.
  static FileStatus Overwrite(IRecordFile& file, long long index, const SymbolLabelConfig& record,
                              const SymbolLabelConfig& previous);

  CString m_strPath;
  IRecordFileSystem* m_pFiles;
};

// What storing several records did: records rewritten in place and records appended.
struct StoreTally {
  std::size_t in_place = 0;
  std::size_t appended = 0;
};

// Stores each of `records` in turn into `bytes`, the contents of a configuration file, exactly as
// StoreRecord stores one into the file (the same record written, the same record matched), in one
// pass over the file's records: for tools that store many kinds at once under one lock.
StoreTally StoreRecordsInto(std::string& bytes, const std::vector<SymbolLabelConfig>& records);

}  // namespace vjd::annotation
