#include "ToolFileSystem.h"

#include <string>

#include "FileAccess.h"
#include "StdioRecordFileSystem.h"

using vjd::annotation::IRecordFile;
using vjd::annotation::StdioRecordFile;
using vjd::annotation::StdioRecordFileSystem;

namespace vjdcfg {

std::unique_ptr<IRecordFile> ToolFileSystem::OpenOrCreate(const CString& path) {
  std::string error;
  std::FILE* file = OpenFile(std::string(path), FileUse::kUpdate, error);
  if (file == nullptr) return nullptr;
  return std::make_unique<StdioRecordFile>(file, StdioRecordFile::kOwned, lock_wait_ms_);
}

bool ToolFileSystem::Exists(const CString& path) {
  return FileExists(std::string(path));
}

bool ToolFileSystem::Remove(const CString& path) {
  return RemoveFile(std::string(path));
}

void ToolFileSystem::SyncFolder(const CString& path) {
  StdioRecordFileSystem::SyncFolderOf(std::string(path));  // a UTF-8 path is the native one
}

}  // namespace vjdcfg
