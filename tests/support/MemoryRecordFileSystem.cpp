#include "MemoryRecordFileSystem.h"

#include <algorithm>
#include <cstring>
#include <sstream>

namespace vjd::testing {

// One open file: a position in the named bytes and the lock it holds.
class MemoryRecordFileSystem::File : public IRecordFile {
 public:
  File(MemoryRecordFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {
    ++fs_.open_files_;
  }
  ~File() override { Close(); }

  long Read(void* buffer, std::size_t size) override {
    ++fs_.counts.reads;
    if (closed_ || Fails(fs_.faults.reads)) return -1;
    const std::string& bytes = fs_.Contents(path_);
    if (fs_.record_size_ != 0 && size > 0 &&
        (at_ % fs_.record_size_ != 0 || size > fs_.record_size_)) {
      fs_.Stray(path_, "read", static_cast<long long>(at_), size);
    }
    const std::size_t n = at_ < bytes.size() ? std::min(size, bytes.size() - at_) : 0;
    if (n > 0) std::memcpy(buffer, bytes.data() + at_, n);
    at_ += n;
    return static_cast<long>(n);
  }

  bool Write(const void* buffer, std::size_t size) override {
    ++fs_.counts.writes;
    if (closed_) return false;
    if (fs_.record_size_ != 0 && (at_ % fs_.record_size_ != 0 || size != fs_.record_size_)) {
      fs_.Stray(path_, "write", static_cast<long long>(at_), size);
    }
    const bool fails = Fails(fs_.faults.writes);
    const std::size_t landed = fails ? size / 2 : size;
    if (fs_.Reaches() && fs_.Exists(path_)) {
      std::string& bytes = fs_.files_[path_];
      if (bytes.size() < at_ + landed) bytes.resize(at_ + landed);
      if (landed > 0) std::memcpy(&bytes[at_], buffer, landed);
    }
    fs_.counts.bytesWritten += static_cast<long long>(landed);
    at_ += landed;
    return !fails;
  }

  bool Flush() override {
    ++fs_.counts.flushes;
    return !closed_ && !Fails(fs_.faults.flushes);
  }

  bool Seek(long long offset) override {
    ++fs_.counts.seeks;
    if (closed_ || offset < 0) return false;
    if (fs_.record_size_ != 0 && static_cast<std::size_t>(offset) > fs_.Contents(path_).size()) {
      fs_.Stray(path_, "seek", offset, 0);
    }
    at_ = static_cast<std::size_t>(offset);
    return true;
  }

  bool Close() override {
    if (closed_) return ok_;
    ++fs_.counts.closes;
    closed_ = true;
    Unlock();
    --fs_.open_files_;
    ok_ = !Fails(fs_.faults.closes);
    return ok_;
  }

  LockResult Lock(RecordFileLock kind) override {
    ++(kind == RecordFileLock::kShared ? fs_.counts.sharedLocks : fs_.counts.exclusiveLocks);
    if (closed_) return LockResult::kFailed;
    if (locked_) return LockResult::kHeld;
    if (fs_.faults.locksUnsupported) return LockResult::kUnsupported;
    LockState& state = fs_.locks_[path_];
    const bool free =
        kind == RecordFileLock::kShared ? !state.exclusive : !state.exclusive && state.shared == 0;
    if (Fails(fs_.faults.busyLocks) || !free) return LockResult::kBusy;
    if (kind == RecordFileLock::kShared) {
      ++state.shared;
    } else {
      state.exclusive = true;
    }
    locked_ = true;
    kind_ = kind;
    return LockResult::kHeld;
  }

 private:
  void Unlock() {
    if (!locked_) return;
    LockState& state = fs_.locks_[path_];
    if (kind_ == RecordFileLock::kShared) {
      --state.shared;
    } else {
      state.exclusive = false;
    }
    locked_ = false;
  }

  MemoryRecordFileSystem& fs_;
  std::string path_;
  std::size_t at_ = 0;
  bool closed_ = false;
  bool ok_ = true;
  bool locked_ = false;
  RecordFileLock kind_ = RecordFileLock::kShared;
};

std::unique_ptr<IRecordFile> MemoryRecordFileSystem::OpenOrCreate(const CString& path) {
  ++counts.opens;
  if (faults.unavailable) return nullptr;
  const std::string name(path, path.GetLength());
  if (!Exists(name)) {
    ++counts.creates;
    if (crashed_) return std::make_unique<File>(*this, name);  // created after the crash: lost
    files_[name];
  }
  return std::make_unique<File>(*this, name);
}

const std::string& MemoryRecordFileSystem::Contents(const std::string& path) const {
  static const std::string kNone;
  auto it = files_.find(path);
  return it == files_.end() ? kNone : it->second;
}

std::vector<std::string> MemoryRecordFileSystem::Paths() const {
  std::vector<std::string> paths;
  for (const auto& file : files_) paths.push_back(file.first);
  return paths;
}

void MemoryRecordFileSystem::Hold(const std::string& path, RecordFileLock kind) {
  Release(path);
  LockState& state = locks_[path];
  if (kind == RecordFileLock::kShared) {
    ++state.shared;
  } else {
    state.exclusive = true;
  }
  held_[path] = kind;
}

void MemoryRecordFileSystem::Release(const std::string& path) {
  auto it = held_.find(path);
  if (it == held_.end()) return;
  LockState& state = locks_[path];
  if (it->second == RecordFileLock::kShared) {
    --state.shared;
  } else {
    state.exclusive = false;
  }
  held_.erase(it);
}

int MemoryRecordFileSystem::SharedHolders(const std::string& path) const {
  auto it = locks_.find(path);
  return it == locks_.end() ? 0 : it->second.shared;
}

bool MemoryRecordFileSystem::ExclusivelyHeld(const std::string& path) const {
  auto it = locks_.find(path);
  return it != locks_.end() && it->second.exclusive;
}

bool MemoryRecordFileSystem::Fails(int& count) {
  if (count == 0) return false;
  if (count > 0) --count;
  return true;
}

bool MemoryRecordFileSystem::Reaches() {
  if (crashed_) return false;
  if (faults.crashAfterWrites == 0) {
    crashed_ = true;
    return false;
  }
  if (faults.crashAfterWrites > 0) --faults.crashAfterWrites;
  return true;
}

void MemoryRecordFileSystem::Stray(const std::string& path, const char* what, long long at,
                                   std::size_t size) {
  std::ostringstream line;
  line << what << " of " << size << " bytes at " << at << " in " << path;
  strays_.push_back(line.str());
}

}  // namespace vjd::testing
