#include "LockedFile.h"

#include <utility>

#include "RollbackJournal.h"

using vjd::annotation::LockResult;
using vjd::annotation::RecordFileLock;
using vjd::annotation::RollbackJournal;
using vjd::annotation::StdioRecordFile;

namespace vjdcfg {

LockedFile::LockedFile(std::string path, const FileOptions& options)
    : path_(std::move(path)), options_(options) {}

std::string LockedFile::JournalPath() const {
  return path_ + RollbackJournal::kSuffix;
}

bool LockedFile::OpenLocked(FileUse use, std::string& error) {
  bool created = false;
  stream_ = OpenFile(path_, use, error, &created);
  if (stream_ == nullptr) return false;
  file_ =
      std::make_unique<StdioRecordFile>(stream_, StdioRecordFile::kOwned, options_.lock_wait_ms);
  const bool update = use == FileUse::kUpdate;
  const LockResult locked =
      file_->Lock(update ? RecordFileLock::kExclusive : RecordFileLock::kShared);
  const std::string why = LastErrorText();
  if (locked == LockResult::kHeld) return true;
  if (locked == LockResult::kUnsupported && (!update || options_.no_lock)) {
    notes_.push_back(path_ + ": its file system keeps no locks; " +
                     (update ? "written without one (--no-lock)" : "read without one"));
    return true;
  }
  if (locked == LockResult::kBusy) {
    char waited[32];
    std::snprintf(waited, sizeof waited, "%g", options_.lock_wait_ms / 1000.0);
    error = path_ + " is in use by another program (waited " + waited + " s)";
  } else if (locked == LockResult::kUnsupported) {
    error = "cannot lock " + path_ + ": its file system keeps no locks (" + why +
            "); --no-lock writes without one while no other program uses the file";
  } else {
    error = "cannot lock " + path_ + ": " + why;
  }
  file_.reset();
  stream_ = nullptr;
  // Nothing stays of a file made for a write that cannot go on (Windows refuses to delete one
  // that another program has opened meanwhile).
  if (created) RemoveFile(path_);
  return false;
}

bool LockedFile::Open(FileUse use, std::string& error) {
  if (!OpenLocked(use, error)) return false;
  if (!files_.Exists(JournalPath().c_str())) return true;
  if (use != FileUse::kUpdate) {
    // Undoing the journal takes the exclusive lock, and a file open for writing.
    std::string ignored;
    Close(ignored);
    if (!OpenLocked(FileUse::kUpdate, error)) return false;
  }
  return Recover(error);
}

bool LockedFile::OpenToLook(std::string& error) {
  looking_ = true;
  return OpenLocked(FileUse::kRead, error);
}

bool LockedFile::Recover(std::string& error) {
  RollbackJournal journal(files_, path_.c_str());
  std::string why;
  journal.OnFailure([&why] {
    if (why.empty()) why = LastErrorText();
  });
  switch (journal.Recover(*file_)) {
    case RollbackJournal::Recovery::kNone:
      break;
    case RollbackJournal::Recovery::kRolledBack:
      notes_.push_back(path_ + ": a write that did not finish was undone from its journal " +
                       JournalPath());
      break;
    case RollbackJournal::Recovery::kDiscarded:
      notes_.push_back(JournalPath() + ": the journal of a write that never began was deleted");
      break;
    case RollbackJournal::Recovery::kInvalid:
      journal_in_the_way_ = true;
      notes_.push_back(JournalPath() + " is no journal that can be undone (it does not hold " +
                       "together); it is left alone and " + path_ + " used as it is");
      break;
    case RollbackJournal::Recovery::kFailed: {
      error = "cannot undo the write that did not finish in " + path_ + " from its journal " +
              JournalPath() + ": " + why;
      std::string ignored;
      Close(ignored);
      return false;
    }
  }
  return true;
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
  if (!ReadAll(stream_, kMaxFileBytes, path_, bytes, error)) return false;
  if (!looking_) return true;
  switch (RollbackJournal(files_, path_.c_str()).Foresee(bytes)) {
    case RollbackJournal::Recovery::kNone:
    case RollbackJournal::Recovery::kDiscarded:
      return true;
    case RollbackJournal::Recovery::kRolledBack:
      notes_.push_back(path_ + ": the journal " + JournalPath() + " of a write that did not " +
                       "finish will be undone first; the file is read as that leaves it");
      return true;
    case RollbackJournal::Recovery::kInvalid:
      notes_.push_back(JournalPath() + " is no journal that can be undone (it does not hold " +
                       "together); " + path_ + " is read as it is");
      return true;
    case RollbackJournal::Recovery::kFailed:
      error = "cannot read the journal " + JournalPath() + ": " + LastErrorText();
      return false;
  }
  return true;
}

bool LockedFile::Rewrite(const std::string& before, const std::string& after, std::string& error) {
  const std::string journal_path = JournalPath();
  if (journal_in_the_way_ && !options_.no_journal) {
    error = "cannot write " + path_ + ": the journal " + journal_path +
            " is in the way; nothing was written; --no-journal writes without one";
    return false;
  }
  RollbackJournal journal(files_, path_.c_str());
  std::string why;
  journal.OnFailure([&why] {
    if (why.empty()) why = LastErrorText();
  });
  switch (journal.Write(*file_, before, after, !options_.no_journal)) {
    case RollbackJournal::Outcome::kWritten:
      return true;
    case RollbackJournal::Outcome::kNoJournal:
      error = "cannot write a journal beside " + path_ + " (" + journal_path + ": " + why +
              "); nothing was written; --no-journal writes without one";
      return false;
    case RollbackJournal::Outcome::kJournalFailed:
      error = "cannot write the journal " + journal_path + ": " + why + "; nothing was written";
      return false;
    case RollbackJournal::Outcome::kRestored:
      error = "cannot write " + path_ + ": " + why + "; it is as it was";
      return false;
    case RollbackJournal::Outcome::kNotRestored:
      error = "cannot write " + path_ + ": " + why +
              (!journal_in_the_way_ && journal.Exists()
                   ? "; it could not be put back yet: its journal " + journal_path +
                         " puts it back at the next use of the file"
                   : "; it could not be put back as it was: see what 'vjdcfg check' says of it");
      return false;
  }
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
