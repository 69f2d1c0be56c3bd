// The journal of a write of many records (vjdcfg's load and repair): whatever call of the write
// fails, and wherever the writer dies, with or without a power cut after it, the next operation
// of the configuration file finds the old file or the new one, byte for byte.  Walks over seeded
// random writes, in the shared in-memory file system.
#include "RollbackJournal.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "LabelConfigFile.h"
#include "MemoryRecordFileSystem.h"

using namespace vjd::annotation;
using vjd::testing::MemoryRecordFileSystem;

namespace {

const char kHost[] = "C:\\host\\";

std::string FilePath() {
  return std::string(kHost) + LabelConfigFile::kRelativePath;
}

std::string JournalPath() {
  return FilePath() + RollbackJournal::kSuffix;
}

struct Log : IFileLog {
  std::vector<std::string> lines;
  void Write(const char* line) override { lines.emplace_back(line); }
};

SymbolLabelConfig Kind(const std::string& name, int value) {
  SymbolLabelConfig r;
  InitRecord(r);
  SetSymbolName(r, name.c_str());
  r.nLabelCount = 1 + value % 8;
  SetSlotText(r, 0, std::to_string(value).c_str());
  return r;
}

// A file before and after one write: records stored in place and appended, or (a repair) a
// file cut shorter; sometimes with a trailing partial record.
struct Change {
  std::string before, after;
};

Change RandomChange(std::mt19937& rng) {
  auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  Change c;
  const int records = pick(6);
  for (int k = 0; k < records; ++k) {
    const SymbolLabelConfig r = Kind("K" + std::to_string(k), pick(100));
    c.before.append(reinterpret_cast<const char*>(&r), kRecordSize);
  }
  if (pick(4) == 0) c.before.append(static_cast<std::size_t>(1 + pick(500)), 'x');
  c.after = c.before;
  if (records > 1 && pick(4) == 0) {
    c.after.resize(static_cast<std::size_t>(pick(records)) * kRecordSize);
  } else {
    std::vector<SymbolLabelConfig> stored;
    for (int n = 1 + pick(4); n > 0; --n)
      stored.push_back(Kind("K" + std::to_string(pick(8)), 100 + pick(100)));
    StoreRecordsInto(c.after, stored);
  }
  return c;
}

// The writer: the file opened and locked, the journaled write, the file closed.
RollbackJournal::Outcome Write(MemoryRecordFileSystem& files, const Change& c,
                               bool required = true) {
  std::unique_ptr<IRecordFile> file = files.OpenOrCreate(FilePath().c_str());
  if (!file || file->Lock(RecordFileLock::kExclusive) != LockResult::kHeld) {
    return RollbackJournal::Outcome::kNoJournal;
  }
  const RollbackJournal::Outcome outcome =
      RollbackJournal(files, FilePath().c_str()).Write(*file, c.before, c.after, required);
  file->Close();
  return outcome;
}

// The next operation of the configuration file, as the window does it (a lookup).
FileStatus NextUse(MemoryRecordFileSystem& files, Log* log = nullptr) {
  SymbolLabelConfig r;
  return LabelConfigFile(kHost, &files, log).FindRecord("K0", r);
}

TEST(RollbackJournal, AWriterThatDiesAtAnyChangeLeavesTheOldFileOrTheNewOne) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    std::mt19937 rng(seed);
    const Change c = RandomChange(rng);
    // Without a power cut; with one that keeps nothing unsynced; with ones that keep some.
    for (const unsigned power_cut : {0u, 1u, 2u, 3u, 4u}) {
      for (int n = 0;; ++n) {
        SCOPED_TRACE("seed " + std::to_string(seed) + ", dies after change " + std::to_string(n) +
                     (power_cut > 0 ? ", then the power goes (" + std::to_string(power_cut) + ")"
                                    : std::string()));
        MemoryRecordFileSystem files;
        files.Put(FilePath(), c.before);
        files.faults.crashAfterWrites = n;
        const bool written = Write(files, c) == RollbackJournal::Outcome::kWritten;
        const bool died = files.Crashed();
        files.Restart(power_cut > 0, power_cut > 0 ? power_cut - 1 : 0);
        ASSERT_FALSE(NextUse(files).Failed());
        const std::string& now = files.Contents(FilePath());
        ASSERT_TRUE(now == c.before || now == c.after);
        if (!died) {
          // The whole write: reported, and on the disk before it was.
          ASSERT_TRUE(written);
          ASSERT_TRUE(now == c.after);
        }
        ASSERT_FALSE(files.Has(JournalPath()));
        if (!died) break;
      }
    }
  }
}

// With a journal, and without one where the folder takes none and the writer was told to go on
// (vjdcfg --no-journal): then a failure is repaired from memory, as far as that goes.
TEST(RollbackJournal, AnyFailingCallLeavesTheFileAsItWasUnlessTheWriteIsReported) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    std::mt19937 rng(seed);
    const Change c = RandomChange(rng);
    for (const bool journal : {true, false}) {
      for (int n = 1;; ++n) {
        SCOPED_TRACE("seed " + std::to_string(seed) + ", call " + std::to_string(n) + " fails" +
                     (journal ? "" : ", no journal"));
        MemoryRecordFileSystem files;
        files.Put(FilePath(), c.before);
        files.faults.readOnlyFolder = !journal;
        files.faults.failCall = n;
        const RollbackJournal::Outcome outcome = Write(files, c, journal);
        const bool failed = files.faults.failCall == 0;
        files.faults.failCall = 0;
        const std::string now = files.Contents(FilePath());
        if (outcome == RollbackJournal::Outcome::kWritten) {
          ASSERT_TRUE(now == c.after);
        } else if (outcome != RollbackJournal::Outcome::kNotRestored) {
          ASSERT_TRUE(now == c.before);
        }
        // Whatever the writer could not put back, the next use does, from the journal.
        ASSERT_FALSE(NextUse(files).Failed());
        if (journal) {
          ASSERT_TRUE(files.Contents(FilePath()) == now || files.Contents(FilePath()) == c.before);
          ASSERT_TRUE(outcome != RollbackJournal::Outcome::kNotRestored ||
                      files.Contents(FilePath()) == c.before);
        }
        if (!failed) break;
      }
    }
  }
}

TEST(RollbackJournal, WhereNoJournalCanBeWrittenNothingIsUnlessTheWriterMayGoOnWithout) {
  std::mt19937 rng(3);
  Change c = RandomChange(rng);
  while (ChangedRuns(c.before, c.after).empty()) c = RandomChange(rng);
  for (const bool required : {true, false}) {
    MemoryRecordFileSystem files;
    files.Put(FilePath(), c.before);
    files.faults.readOnlyFolder = true;
    EXPECT_EQ(Write(files, c, required),
              required ? RollbackJournal::Outcome::kNoJournal : RollbackJournal::Outcome::kWritten);
    EXPECT_EQ(files.Contents(FilePath()), required ? c.before : c.after);
    EXPECT_EQ(files.Paths(), std::vector<std::string>{FilePath()});
  }
}

// A journal that does not hold together is no proof of anything: the file is used as it is, the
// journal left for a person to look at, and the log says so once.  One that was never sealed
// belonged to a write that had not begun: it is deleted.
TEST(RollbackJournal, ABrokenJournalIsLeftAloneAndAnUnfinishedOneDeleted) {
  std::mt19937 rng(7);
  Change c = RandomChange(rng);
  while (ChangedRuns(c.before, c.after).empty() || c.before.size() < kRecordSize) {
    c = RandomChange(rng);
  }
  MemoryRecordFileSystem sealed;
  sealed.Put(FilePath(), c.before);
  {
    // The journal as a writer leaves it just before the file changes.
    std::unique_ptr<IRecordFile> file = sealed.OpenOrCreate(FilePath().c_str());
    ASSERT_EQ(file->Lock(RecordFileLock::kExclusive), LockResult::kHeld);
    // The journal created, emptied, written, synced, sealed and synced; the writer dies at the
    // file's first write.
    sealed.faults.crashAfterWrites = 6;
    RollbackJournal(sealed, FilePath().c_str()).Write(*file, c.before, c.after);
  }
  sealed.Restart(false);
  const std::string journal = sealed.Contents(JournalPath());
  ASSERT_EQ(journal.substr(0, 8), "VJDJRNL1");
  ASSERT_EQ(journal[8], 1) << "sealed";

  struct Case {
    const char* what;
    std::string journal;
    bool left;
  };
  std::string flipped = journal, cut = journal, unsealed = journal;
  flipped[journal.size() / 2] ^= 0x20;
  cut.resize(journal.size() - 1);
  unsealed[8] = 0;
  // Journals that hold together but claim an original length the file cannot have come from:
  // beyond its end with no run giving the bytes there, or petabytes.
  auto claiming = [&journal](unsigned long long original) {
    std::string j = journal;
    for (int i = 0; i < 8; ++i) j[16 + i] = static_cast<char>((original >> (8 * i)) & 0xFF);
    std::uint32_t crc = 0xFFFFFFFFu;  // CRC-32 of bytes 12 .. the checksum
    for (std::size_t i = 12; i + 4 < j.size(); ++i) {
      crc ^= static_cast<unsigned char>(j[i]);
      for (int b = 0; b < 8; ++b) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    crc = ~crc;
    for (int i = 0; i < 4; ++i) j[j.size() - 4 + i] = static_cast<char>((crc >> (8 * i)) & 0xFF);
    return j;
  };
  const Case cases[] = {
      {"a byte changed", flipped, true},
      {"cut short", cut, true},
      {"someone else's file", "hello", true},
      {"never sealed", unsealed, false},
      {"empty", "", false},
      {"the start of one", journal.substr(0, 5), false},
      {"longer than the file", claiming(c.before.size() + 3 * kRecordSize), true},
      {"petabytes", claiming(1ull << 53), true},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    MemoryRecordFileSystem files;
    const std::string half =
        c.after.substr(0, c.after.size() / 2) + c.before.substr(c.after.size() / 2);
    files.Put(FilePath(), half);
    files.Put(JournalPath(), k.journal);
    // A dry run looks through it as the next operation will undo it: not at all.
    std::string looked = half;
    EXPECT_EQ(RollbackJournal(files, FilePath().c_str()).Foresee(looked),
              k.left ? RollbackJournal::Recovery::kInvalid : RollbackJournal::Recovery::kDiscarded);
    EXPECT_EQ(looked, half);
    Log log;
    LabelConfigFile file(kHost, &files, &log);
    SymbolLabelConfig r;
    EXPECT_FALSE(file.FindRecord("K0", r).Failed());
    EXPECT_FALSE(file.FindRecord("K1", r).Failed());
    EXPECT_EQ(files.Contents(FilePath()), half);
    EXPECT_EQ(files.Has(JournalPath()), k.left);
    const std::vector<std::string> told = {LabelConfigFile::kLogBadJournal + JournalPath()};
    EXPECT_EQ(log.lines, k.left ? told : std::vector<std::string>());
  }
  // Undoing the sound journal takes the exclusive lock: beside another program's reader, the lookup
  // waits and gives up, changing nothing.
  MemoryRecordFileSystem files;
  files.Put(FilePath(), c.after);
  files.Put(JournalPath(), journal);
  files.Hold(FilePath(), RecordFileLock::kShared);
  EXPECT_EQ(NextUse(files), FileStatus::Busy());
  EXPECT_EQ(files.Contents(FilePath()), c.after);
  EXPECT_TRUE(files.Has(JournalPath()));
}

}  // namespace
