#include "LockedFile.h"

#include <cstring>
#include <utility>
#include <vector>

#include "SymbolLabelConfig.h"

using vjd::annotation::kRecordSize;
using vjd::annotation::LockResult;
using vjd::annotation::RecordFileLock;
using vjd::annotation::StdioRecordFile;

namespace vjdcfg {

LockedFile::LockedFile(std::string path, int lock_wait_ms)
    : path_(std::move(path)), lock_wait_ms_(lock_wait_ms) {}

bool LockedFile::Open(FileUse use, std::string& error) {
  stream_ = OpenFile(path_, use, error);
  if (stream_ == nullptr) return false;
  file_ = std::make_unique<StdioRecordFile>(stream_, StdioRecordFile::kOwned, lock_wait_ms_);
  const LockResult locked =
      file_->Lock(use == FileUse::kUpdate ? RecordFileLock::kExclusive : RecordFileLock::kShared);
  if (locked == LockResult::kHeld) return true;
  if (locked == LockResult::kBusy) {
    char waited[32];
    std::snprintf(waited, sizeof waited, "%g", lock_wait_ms_ / 1000.0);
    error = "another program kept " + path_ + " locked for " + waited + " s";
  } else {
    error = "cannot lock " + path_ + ": " + LastErrorText();
  }
  file_.reset();
  stream_ = nullptr;
  return false;
}

bool LockedFile::Read(std::string& bytes, std::string& error) {
  // Room for the whole file at once: no copy on the way for a file of 100,000 records.
  std::string whole;
  if (std::fseek(stream_, 0, SEEK_END) == 0) {
    const long size = std::ftell(stream_);
    if (size > 0 && static_cast<unsigned long>(size) <= kMaxFileBytes) {
      whole.reserve(static_cast<std::size_t>(size));
    }
  }
  if (!file_->Seek(0)) {
    error = "cannot read " + path_ + ": " + LastErrorText();
    return false;
  }
  whole.swap(bytes);
  return ReadAll(stream_, kMaxFileBytes, path_, bytes, error);
}

bool LockedFile::Rewrite(const std::string& before, const std::string& after, std::string& error) {
  // The runs of whole records (and the partial one at the end) that differ: [begin, end).
  std::vector<std::pair<std::size_t, std::size_t>> runs;
  for (std::size_t at = 0; at < after.size(); at += kRecordSize) {
    const std::size_t end = at + kRecordSize < after.size() ? at + kRecordSize : after.size();
    if (end <= before.size() && std::memcmp(after.data() + at, before.data() + at, end - at) == 0) {
      continue;
    }
    if (!runs.empty() && runs.back().second == at) {
      runs.back().second = end;
    } else {
      runs.emplace_back(at, end);
    }
  }
  bool ok = true;
  std::size_t written = 0;
  for (; ok && written < runs.size(); ++written) {
    const auto& run = runs[written];
    ok = file_->Seek(static_cast<long long>(run.first)) &&
         file_->Write(after.data() + run.first, run.second - run.first);
  }
  ok = ok && file_->Flush() &&
       (after.size() >= before.size() || file_->Truncate(static_cast<long long>(after.size())));
  if (ok) return true;

  const std::string why = LastErrorText();
  bool restored = true;
  auto put_back = [&](std::size_t begin, std::size_t end) {
    if (end > before.size()) end = before.size();
    if (begin < end) {
      restored = file_->Seek(static_cast<long long>(begin)) &&
                 file_->Write(before.data() + begin, end - begin) && restored;
    }
  };
  for (std::size_t i = 0; i < written; ++i) put_back(runs[i].first, runs[i].second);
  put_back(after.size(), before.size());
  restored = file_->Truncate(static_cast<long long>(before.size())) && restored;
  error = "cannot write " + path_ + ": " + why +
          (restored ? "; it is as it was"
                    : "; it could not be put back as it was: see what 'vjdcfg check' says of it");
  return false;
}

bool LockedFile::Close(std::string& error) {
  if (!file_) return true;
  const bool closed = file_->Close();
  file_.reset();
  stream_ = nullptr;
  if (!closed) error = "cannot write " + path_ + ": " + LastErrorText();
  return closed;
}

}  // namespace vjdcfg
