#include "RollbackJournal.h"

#include <array>
#include <cstring>
#include <memory>

#include "SymbolLabelConfig.h"

namespace vjd::annotation {
namespace {

// The journal's layout (LabelConfigFile.md), little-endian:
//   0   8  "VJDJRNL1"
//   8   4  1 once the journal is whole and on the disk (sealed), 0 while it is being written
//   12  4  the number of runs
//   16  8  the file's length before the write
//   24  8  the journal's own length
//   32     per run: its offset (8), its length (8), the file's old bytes there
//   end-4  CRC-32 of every byte from offset 12 up to it
constexpr char kMagic[8] = {'V', 'J', 'D', 'J', 'R', 'N', 'L', '1'};
constexpr std::size_t kSealedAt = 8;
constexpr std::size_t kRunHeaderSize = 16;
constexpr std::size_t kChecksumSize = 4;
// Larger than the journal of the largest file vjdcfg writes (256 MiB): what is longer is no
// journal of ours, and is not read into memory.
constexpr std::uint64_t kMaxJournalBytes = std::uint64_t{512} << 20;

std::uint32_t Crc32(const char* data, std::size_t size) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) {
    c = table[(c ^ static_cast<unsigned char>(data[i])) & 0xFF] ^ (c >> 8);
  }
  return c ^ 0xFFFFFFFFu;
}

void Put(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint64_t Get(const std::string& in, std::size_t at, int bytes) {
  std::uint64_t value = 0;
  for (int i = 0; i < bytes; ++i) {
    value |= std::uint64_t{static_cast<unsigned char>(in[at + i])} << (8 * i);
  }
  return value;
}

// One run of old bytes of a journal that holds together.
struct OldBytes {
  std::uint64_t offset;
  std::size_t at;  // where the bytes start in the journal
  std::size_t size;
};

enum class Parsed { kUnfinished, kInvalid, kValid };

// Reads `journal`.  Unfinished: the writer died before the journal was whole and on the disk, so
// it had not touched the file (an empty journal, part of its first bytes, or unsealed).
Parsed Parse(const std::string& journal, bool sealed, std::uint64_t& original,
             std::vector<OldBytes>& runs) {
  const std::string start = std::string(kMagic, sizeof kMagic) + std::string(4, '\0');
  if (journal.size() < start.size()) {
    return start.compare(0, journal.size(), journal) == 0 ? Parsed::kUnfinished : Parsed::kInvalid;
  }
  if (journal.compare(0, sizeof kMagic, kMagic, sizeof kMagic) != 0) return Parsed::kInvalid;
  const std::uint64_t state = Get(journal, kSealedAt, 4);
  if (state == 0 && sealed) return Parsed::kUnfinished;
  if (state != (sealed ? 1u : 0u)) return Parsed::kInvalid;
  if (journal.size() < RollbackJournal::kHeaderSize + kChecksumSize) return Parsed::kInvalid;
  const std::size_t end = journal.size() - kChecksumSize;
  if (Get(journal, 24, 8) != journal.size() ||
      Get(journal, end, 4) != Crc32(journal.data() + 12, end - 12)) {
    return Parsed::kInvalid;
  }
  original = Get(journal, 16, 8);
  const std::uint64_t count = Get(journal, 12, 4);
  runs.clear();
  std::size_t at = RollbackJournal::kHeaderSize;
  for (std::uint64_t i = 0; i < count; ++i) {
    if (end - at < kRunHeaderSize) return Parsed::kInvalid;
    const std::uint64_t offset = Get(journal, at, 8);
    const std::uint64_t size = Get(journal, at + 8, 8);
    at += kRunHeaderSize;
    if (size > end - at || offset > original || size > original - offset) return Parsed::kInvalid;
    runs.push_back({offset, at, static_cast<std::size_t>(size)});
    at += static_cast<std::size_t>(size);
  }
  return at == end ? Parsed::kValid : Parsed::kInvalid;
}

// How long the file must still be for the journal to belong to it: every byte below the original
// length that no run restores is the file's own, so the file holds at least up to the last such
// byte (a write that shortened the file kept the cut tail among the runs).  A journal that claims
// more, say an original length of petabytes, is not this file's and is not undone.
std::uint64_t LengthItNeeds(std::uint64_t original, const std::vector<OldBytes>& runs) {
  std::uint64_t covered = original;
  for (auto run = runs.rbegin(); run != runs.rend() && covered > 0; ++run) {
    if (run->offset + run->size == covered) covered = run->offset;
  }
  return covered;
}

// What a sealed journal read from the disk says of a file now `length` bytes long: kRolledBack
// when it holds together and belongs to the file (its old length in `original`, its runs in
// `runs`), kDiscarded when its write had not begun, else kInvalid.
RollbackJournal::Recovery Judge(const std::string& journal, std::uint64_t length,
                                std::uint64_t& original, std::vector<OldBytes>& runs) {
  if (journal.size() > kMaxJournalBytes) return RollbackJournal::Recovery::kInvalid;
  switch (Parse(journal, true, original, runs)) {
    case Parsed::kUnfinished:
      return RollbackJournal::Recovery::kDiscarded;
    case Parsed::kInvalid:
      return RollbackJournal::Recovery::kInvalid;
    case Parsed::kValid:
      break;
  }
  return LengthItNeeds(original, runs) > length ? RollbackJournal::Recovery::kInvalid
                                                : RollbackJournal::Recovery::kRolledBack;
}

}  // namespace

std::vector<ByteRun> ChangedRuns(const std::string& before, const std::string& after) {
  std::vector<ByteRun> runs;
  auto add = [&runs](std::size_t begin, std::size_t end) {
    if (!runs.empty() && runs.back().end == begin) {
      runs.back().end = end;
    } else {
      runs.push_back({begin, end});
    }
  };
  for (std::size_t at = 0; at < after.size(); at += kRecordSize) {
    const std::size_t end = at + kRecordSize < after.size() ? at + kRecordSize : after.size();
    if (end > before.size() || std::memcmp(after.data() + at, before.data() + at, end - at) != 0) {
      add(at, end);
    }
  }
  if (after.size() < before.size()) add(after.size(), before.size());
  return runs;
}

RollbackJournal::RollbackJournal(IRecordFileSystem& files, const CString& file_path)
    : files_(files), path_(file_path + kSuffix) {}

bool RollbackJournal::Fail() {
  if (on_failure_) on_failure_();
  return false;
}

std::string RollbackJournal::Compose(const std::string& before, const std::vector<ByteRun>& runs) {
  std::string journal(kMagic, sizeof kMagic);
  Put(journal, 0, 4);  // not sealed
  std::size_t count = 0, length = kHeaderSize + kChecksumSize;
  for (const ByteRun& run : runs) {
    if (run.begin >= before.size()) continue;  // beyond the old end: the length puts it back
    ++count;
    length += kRunHeaderSize + (run.end < before.size() ? run.end : before.size()) - run.begin;
  }
  Put(journal, count, 4);
  Put(journal, before.size(), 8);
  Put(journal, length, 8);
  journal.reserve(length);
  for (const ByteRun& run : runs) {
    if (run.begin >= before.size()) continue;
    const std::size_t end = run.end < before.size() ? run.end : before.size();
    Put(journal, run.begin, 8);
    Put(journal, end - run.begin, 8);
    journal.append(before, run.begin, end - run.begin);
  }
  Put(journal, Crc32(journal.data() + 12, journal.size() - 12), 4);
  return journal;
}

bool RollbackJournal::PlayBack(IRecordFile& file, const std::string& journal, bool sealed) {
  std::uint64_t original = 0;
  std::vector<OldBytes> runs;
  if (Parse(journal, sealed, original, runs) != Parsed::kValid) return false;
  // Cut first: after a full disk, what the write appended is given back before anything else.
  if (!file.Truncate(static_cast<long long>(original))) return Fail();
  for (const OldBytes& run : runs) {
    if (!file.Seek(static_cast<long long>(run.offset)) ||
        !file.Write(journal.data() + run.at, run.size)) {
      return Fail();
    }
  }
  return file.Sync() || Fail();
}

bool RollbackJournal::WriteJournal(std::unique_ptr<IRecordFile> j, const std::string& journal) {
  const char sealed[4] = {1, 0, 0, 0};
  bool ok = j->Truncate(0) && j->Seek(0) && j->Write(journal.data(), journal.size()) && j->Sync();
  if (ok) {
    files_.SyncFolder(path_);  // the journal's name on the disk before the file changes
    ok = j->Seek(kSealedAt) && j->Write(sealed, sizeof sealed) && j->Sync();
  }
  if (!ok) Fail();
  return j->Close() && ok;
}

bool RollbackJournal::Drop() {
  if (!files_.Remove(path_)) {
    Fail();
    std::unique_ptr<IRecordFile> j = files_.OpenOrCreate(path_);
    if (!j || !j->Truncate(0) || !j->Sync()) return Fail();
    j->Close();
  }
  files_.SyncFolder(path_);
  return true;
}

bool RollbackJournal::ReadJournal(std::string& journal) const {
  std::unique_ptr<IRecordFile> j = files_.OpenOrCreate(path_);
  if (!j) return false;
  char buffer[64 * 1024];
  long n;
  while ((n = j->Read(buffer, sizeof buffer)) > 0 && journal.size() <= kMaxJournalBytes) {
    journal.append(buffer, static_cast<std::size_t>(n));
  }
  j->Close();
  return n >= 0;
}

RollbackJournal::Recovery RollbackJournal::Foresee(std::string& bytes) const {
  if (!Exists()) return Recovery::kNone;
  std::string journal;
  if (!ReadJournal(journal)) return Recovery::kFailed;
  std::uint64_t original = 0;
  std::vector<OldBytes> runs;
  const Recovery judged = Judge(journal, bytes.size(), original, runs);
  if (judged != Recovery::kRolledBack) return judged;
  bytes.resize(static_cast<std::size_t>(original));
  for (const OldBytes& run : runs) {
    bytes.replace(static_cast<std::size_t>(run.offset), run.size, journal, run.at, run.size);
  }
  return Recovery::kRolledBack;
}

RollbackJournal::Recovery RollbackJournal::Recover(IRecordFile& file) {
  if (!Exists()) return Recovery::kNone;
  std::string journal;
  if (!ReadJournal(journal)) return Fail(), Recovery::kFailed;
  const long long length = file.Length();
  if (length < 0) return Fail(), Recovery::kFailed;
  std::uint64_t original = 0;
  std::vector<OldBytes> runs;
  switch (Judge(journal, static_cast<std::uint64_t>(length), original, runs)) {
    case Recovery::kDiscarded:
      Drop();
      return Recovery::kDiscarded;
    case Recovery::kRolledBack:
      break;
    default:
      return Recovery::kInvalid;
  }
  // A journal that stayed would undo the next write again: without its deletion, the file is in
  // doubt.
  return PlayBack(file, journal, true) && Drop() ? Recovery::kRolledBack : Recovery::kFailed;
}

RollbackJournal::Outcome RollbackJournal::Write(IRecordFile& file, const std::string& before,
                                                const std::string& after, bool required) {
  const std::vector<ByteRun> runs = ChangedRuns(before, after);
  if (runs.empty()) return Outcome::kWritten;
  const std::string journal = Compose(before, runs);
  // A journal already there (one that does not hold together) is never written over.
  std::unique_ptr<IRecordFile> j = Exists() ? nullptr : files_.OpenOrCreate(path_);
  const bool journaled = j != nullptr;
  if (!journaled) {
    Fail();
    if (required) return Outcome::kNoJournal;
  } else if (!WriteJournal(std::move(j), journal)) {
    files_.Remove(path_);  // what part of it was written: the file is untouched
    return Outcome::kJournalFailed;
  }
  bool ok = true;
  for (const ByteRun& run : runs) {
    if (run.begin >= after.size()) break;
    const std::size_t end = run.end < after.size() ? run.end : after.size();
    ok = ok && file.Seek(static_cast<long long>(run.begin)) &&
         file.Write(after.data() + run.begin, end - run.begin);
  }
  ok = ok &&
       (after.size() >= before.size() || file.Truncate(static_cast<long long>(after.size()))) &&
       file.Sync();
  if (!ok) Fail();
  if (ok && (!journaled || Drop())) return Outcome::kWritten;
  // The old bytes back, from the journal's text (the same, when there is none on the disk).  A
  // journal that cannot be deleted afterwards undoes nothing more than this at the next use.
  if (!PlayBack(file, journal, false)) return Outcome::kNotRestored;
  if (journaled) Drop();
  return Outcome::kRestored;
}

}  // namespace vjd::annotation
