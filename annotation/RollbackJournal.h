// RollbackJournal: the journal that makes a write of many records to the configuration file all or
// nothing, as SQLite's rollback journal does for its database, at the scale of this file.  The
// writer, holding the file's exclusive lock, first copies the old bytes of every run of records it
// will change, and the file's length, into the journal beside the file ("<file>-journal"), with a
// checksum, and puts it on the disk; then it writes the file in place and puts that on the disk;
// deleting the journal commits.  Whoever opens the file next and finds a journal puts the old
// bytes back (under the exclusive lock), so a write cut short by a crash or a power cut leaves the
// old file, and a finished one the new file.  The format is in LabelConfigFile.md.
//
// The object borrows the file system and names one journal; the caller opens and locks the file
// and hands it in, and keeps it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CString.h"
#include "RecordFile.h"

namespace vjd::annotation {

// A range [begin, end) of a file's bytes.
struct ByteRun {
  std::size_t begin;
  std::size_t end;
};

// The runs a write of `after` over `before` changes: the whole records (and the partial one at the
// end) that differ, and what `after` cuts off `before`'s end.
std::vector<ByteRun> ChangedRuns(const std::string& before, const std::string& after);

class RollbackJournal {
 public:
  static constexpr const char* kSuffix = "-journal";
  static constexpr std::size_t kHeaderSize = 32;

  // What a journal found beside the file came to.
  enum class Recovery {
    kNone,        // there is none
    kRolledBack,  // a write that did not finish was undone: the file is as it was before it
    kDiscarded,   // the journal was never finished, so its write had not begun: it was deleted
    kInvalid,     // not a journal that holds together (checksum, length, not one of ours): the
                  // journal and the file are left as they are
    kFailed,      // reading the journal or putting the bytes back failed: the journal stays
  };

  // What a write came to.
  enum class Outcome {
    kWritten,        // the file holds `after`, on the disk
    kNoJournal,      // no journal could be created beside the file (or one is there already,
                     // which the write never touches): nothing was written
    kJournalFailed,  // writing the journal failed: nothing was written
    kRestored,       // writing the file (or deleting the journal) failed: it is as it was
    kNotRestored,    // ... and putting it back failed too: the journal, when there is one, puts it
                     // back at the next use of the file
  };

  // The journal of the file at `file_path` in `files`.
  RollbackJournal(IRecordFileSystem& files, const CString& file_path);

  const CString& Path() const { return path_; }
  bool Exists() const { return files_.Exists(path_); }

  // Called right after a call that fails, while the system's last error still describes it (for
  // the messages of a command-line tool).
  void OnFailure(std::function<void()> note) { on_failure_ = std::move(note); }

  // Undoes the write a journal found beside `file` did not finish.  The caller holds the file's
  // exclusive lock (or the file system keeps none and nobody else uses the file).
  Recovery Recover(IRecordFile& file);

  // What Recover would make of the file whose bytes are `bytes`, worked out in memory: `bytes`
  // become the file as the next use will find it.  Nothing is written or deleted, so the caller
  // needs no more than a shared lock (a look that must change nothing).
  Recovery Foresee(std::string& bytes) const;

  // Makes `file`, which holds `before` and is held under its exclusive lock, hold `after`,
  // writing only the runs that change, through the journal; a journal that is there already
  // (Recover found it invalid) is left alone.  With `required` false a journal that cannot be
  // created is gone without: the runs are written in place and, when that fails, the old bytes
  // are put back from memory, which a crash meanwhile can leave half done.
  Outcome Write(IRecordFile& file, const std::string& before, const std::string& after,
                bool required = true);

 private:
  // The journal of replacing `runs` of `before`, unsealed, with its checksum.
  static std::string Compose(const std::string& before, const std::vector<ByteRun>& runs);
  // Reads the whole journal; false when it cannot be read, with `journal` longer than any of ours
  // when it is too long to be one.
  bool ReadJournal(std::string& journal) const;
  // Writes the old bytes of `journal` (sealed or not) back and puts them on the disk.
  bool PlayBack(IRecordFile& file, const std::string& journal, bool sealed);
  // Writes `journal` into the opened journal file, puts it on the disk, seals it, closes it.
  bool WriteJournal(std::unique_ptr<IRecordFile> j, const std::string& journal);
  // Deletes the journal and puts that on the disk; a journal that cannot be deleted is emptied,
  // which makes it one that was never finished.
  bool Drop();
  bool Fail();

  IRecordFileSystem& files_;
  CString path_;
  std::function<void()> on_failure_;
};

}  // namespace vjd::annotation
