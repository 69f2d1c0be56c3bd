// LabelConfigFile: the configuration file "机电数据库\机电配置.cfg" under the host's directory,
// a plain sequence of 1062-byte SymbolLabelConfig records, one per symbol kind, in the order they
// were first written (the format is described in LabelConfigFile.md).  Every operation opens the
// file, creating it empty when missing and never truncating it, and closes it before returning.
// Each returns what happened (FileStatus) and shows nothing: telling the user is the caller's.
// Each holds the file's lock while it runs (RecordFile.h): shared to find, exclusive to store and
// remove; a lock that another program keeps longer than the file system's wait makes the file busy
// for that operation, which then changes nothing.  Where the file system keeps no locks (a share
// without a lock service), every operation goes on without one, as before there was a lock, and
// the log hears of it once.  Each first undoes a write of vjdcfg that did not finish, from the
// journal it left beside the file (RollbackJournal.h), under the exclusive lock.
//
// The object borrows the file system and the log; it keeps no file open between calls.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "CString.h"
#include "FileStatus.h"
#include "RecordFile.h"
#include "SymbolLabelConfig.h"

namespace vjd::annotation {

// Where the file's operations write what the user may like to know but need not answer (the
// command's log).  Texts are GBK, one line each.
class IFileLog {
 public:
  virtual ~IFileLog() = default;
  virtual void Write(const char* line) = 0;
};

class LabelConfigFile {
 public:
  static constexpr const char* kRelativePath = "机电数据库\\机电配置.cfg";
  // What the log hears, once each, followed by the path concerned.
  static constexpr const char kLogNoLock[] = "配置文件所在的文件系统不支持文件锁，不加锁使用：";
  static constexpr const char kLogRolledBack[] = "上次未写完的配置文件已按其回滚日志恢复：";
  static constexpr const char kLogBadJournal[] =
      "回滚日志不完整或已损坏，未使用，配置文件按现状使用：";

  // `host_directory` ends with a backslash (the host executable's path cut after its last one).
  // `files` null means the real files; `log` null, no log.
  explicit LabelConfigFile(const CString& host_directory, IRecordFileSystem* files = nullptr,
                           IFileLog* log = nullptr);

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
  // The file opened and locked (or used without a lock where the file system keeps none), a
  // journal found beside it undone first; null with the status why not.
  std::unique_ptr<IRecordFile> Open(RecordFileLock lock, FileStatus& status) const;
  // Writes one of the kLog texts with the path, the first time only.
  void Log(const char* text, const CString& path) const;
  // Writes `record` over record number `index`; when that fails, puts `previous` back.
  static FileStatus Overwrite(IRecordFile& file, long long index, const SymbolLabelConfig& record,
                              const SymbolLabelConfig& previous);

  CString m_strPath;
  IRecordFileSystem* m_pFiles;
  IFileLog* m_pLog;
  mutable std::vector<const char*> m_logged;  // the kLog texts written so far
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
