#include "MemoryRecordFileSystem.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <random>
#include <sstream>

namespace vjd::testing {

// One open file: a position in the named bytes and the lock it holds.
class MemoryRecordFileSystem::File : public IRecordFile {
 public:
  File(MemoryRecordFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {
    ++fs_.open_files_;
    ++fs_.open_[path_];
  }
  ~File() override { Close(); }

  long Read(void* buffer, std::size_t size) override {
    ++fs_.counts.reads;
    if (closed_ || fs_.Fails(fs_.faults.reads)) return -1;
    const std::string& bytes = fs_.Contents(path_);
    if (Watched() && size > 0 && (at_ % fs_.record_size_ != 0 || size > fs_.record_size_)) {
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
    if (Watched() && (at_ % fs_.record_size_ != 0 || size != fs_.record_size_)) {
      fs_.Stray(path_, "write", static_cast<long long>(at_), size);
    }
    const bool fails = fs_.Fails(fs_.faults.writes);
    const std::size_t landed = fails ? size / 2 : size;
    if (fs_.Has(path_) && fs_.Reaches()) {
      const std::string data(static_cast<const char*>(buffer), landed);
      Apply(fs_.files_[path_], Pending{false, at_, data});
      fs_.pending_[path_].push_back(Pending{false, at_, data});
    }
    fs_.counts.bytesWritten += static_cast<long long>(landed);
    at_ += landed;
    return !fails;
  }

  bool Flush() override {
    ++fs_.counts.flushes;
    return !closed_ && !fs_.Fails(fs_.faults.flushes);
  }

  bool Truncate(long long size) override {
    ++fs_.counts.truncates;
    if (closed_ || size < 0 || fs_.Fails(fs_.faults.truncates)) return false;
    if (fs_.Has(path_) && fs_.Reaches()) {
      const Pending cut{true, static_cast<std::size_t>(size), std::string()};
      Apply(fs_.files_[path_], cut);
      fs_.pending_[path_].push_back(cut);
    }
    return true;
  }

  long long Length() override {
    if (closed_) return -1;
    return static_cast<long long>(fs_.Contents(path_).size());
  }

  bool Sync() override {
    ++fs_.counts.syncs;
    if (closed_ || fs_.Fails(fs_.faults.syncs)) return false;
    // A process that dies in the middle of a sync leaves the disk with part of what it wrote.
    if (fs_.Has(path_) && fs_.Reaches()) {
      fs_.synced_[path_] = fs_.files_[path_];
      fs_.pending_.erase(path_);
    }
    return true;
  }

  bool Seek(long long offset) override {
    ++fs_.counts.seeks;
    if (closed_ || offset < 0) return false;
    if (Watched() && static_cast<std::size_t>(offset) > fs_.Contents(path_).size()) {
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
    --fs_.open_[path_];
    ok_ = !fs_.Fails(fs_.faults.closes);
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
    if (fs_.Fails(fs_.faults.busyLocks) || !free) return LockResult::kBusy;
    state.Take(kind);
    locked_ = true;
    kind_ = kind;
    return LockResult::kHeld;
  }

 private:
  bool Watched() const { return fs_.record_size_ != 0 && path_ == fs_.record_path_; }

  void Unlock() {
    if (locked_) fs_.locks_[path_].Drop(kind_);
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
  int never = 0;
  if (faults.unavailable || Fails(never)) return nullptr;
  const std::string name(path, path.GetLength());
  if (!Has(name)) {
    if (faults.readOnlyFolder) return nullptr;
    ++counts.creates;
    if (Reaches()) files_[name];  // else created after the crash: lost
  }
  return std::make_unique<File>(*this, name);
}

bool MemoryRecordFileSystem::Exists(const CString& path) {
  return Has(std::string(path, path.GetLength()));
}

bool MemoryRecordFileSystem::Remove(const CString& path) {
  ++counts.removes;
  const std::string name(path, path.GetLength());
  int never = 0;
  if (Fails(never)) return false;
  if (!Has(name)) return true;
  // As on Windows, a file that is open cannot be deleted.
  if (faults.readOnlyFolder || open_[name] > 0) return false;
  if (Reaches()) files_.erase(name);
  return true;
}

void MemoryRecordFileSystem::SyncFolder(const CString& path) {
  ++counts.folderSyncs;
  if (crashed_) return;
  const std::string folder = FolderOf(std::string(path, path.GetLength()));
  for (auto it = named_.begin(); it != named_.end();) {
    it = FolderOf(*it) == folder && !Has(*it) ? named_.erase(it) : std::next(it);
  }
  for (const auto& file : files_) {
    if (FolderOf(file.first) == folder && named_.insert(file.first).second) {
      synced_.emplace(file.first, std::string());  // named on the disk, but never synced
    }
  }
}

void MemoryRecordFileSystem::Put(const std::string& path, std::string bytes) {
  pending_.erase(path);
  files_[path] = bytes;
  synced_[path] = std::move(bytes);
  named_.insert(path);
}

void MemoryRecordFileSystem::Apply(std::string& bytes, const Pending& change) {
  if (change.truncate) {
    bytes.resize(change.at);
    return;
  }
  if (bytes.size() < change.at + change.bytes.size()) bytes.resize(change.at + change.bytes.size());
  std::memcpy(&bytes[change.at], change.bytes.data(), change.bytes.size());
}

void MemoryRecordFileSystem::Restart(bool power_cut, unsigned seed) {
  crashed_ = false;
  faults.crashAfterWrites = -1;
  // The locks of programs that are gone go with them; another program's (Hold) stay.
  locks_.clear();
  for (const auto& held : held_) locks_[held.first].Take(held.second);
  if (!power_cut) return;
  files_.clear();
  std::mt19937 kept(seed);
  for (const std::string& name : named_) {
    std::string bytes = synced_[name];
    for (const Pending& change : pending_[name]) {
      if (seed != 0 && kept() % 2 == 0) Apply(bytes, change);
    }
    files_[name] = std::move(bytes);
  }
  pending_.clear();
}

std::string MemoryRecordFileSystem::FolderOf(const std::string& path) {
  const std::size_t end = path.find_last_of("\\/");
  return end == std::string::npos ? std::string() : path.substr(0, end);
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
  locks_[path].Take(kind);
  held_[path] = kind;
}

void MemoryRecordFileSystem::Release(const std::string& path) {
  auto it = held_.find(path);
  if (it == held_.end()) return;
  locks_[path].Drop(it->second);
  held_.erase(it);
}

bool MemoryRecordFileSystem::Fails(int& count) {
  ++counts.fallible;
  const bool now = faults.failCall > 0 && --faults.failCall == 0;
  if (count == 0) return now;
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
