// ToolFileSystem: the files of the tool as the record code sees them (RecordFile.h), named by
// UTF-8 paths and opened as FileAccess opens them (through the wide functions on Windows; what is
// not a regular file refused).  The journal of a write lives here (RollbackJournal.h).  Holds
// nothing but how long a lock is waited for.
#pragma once

#include <memory>

#include "RecordFile.h"

namespace vjdcfg {

class ToolFileSystem : public vjd::annotation::IRecordFileSystem {
 public:
  explicit ToolFileSystem(int lock_wait_ms = 0) : lock_wait_ms_(lock_wait_ms) {}

  std::unique_ptr<vjd::annotation::IRecordFile> OpenOrCreate(const CString& path) override;
  bool Exists(const CString& path) override;
  bool Remove(const CString& path) override;
  void SyncFolder(const CString& path) override;

 private:
  int lock_wait_ms_;
};

}  // namespace vjdcfg
