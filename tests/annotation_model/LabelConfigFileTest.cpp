#include "LabelConfigFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "MemoryRecordFileSystem.h"
#include "StdioRecordFileSystem.h"
#include "TempHostDir.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace vjd::annotation;

namespace vjd::annotation {
void PrintTo(const FileStatus& status, std::ostream* os) {
  *os << status.ToString();
}
}  // namespace vjd::annotation

namespace {

using Bytes = std::vector<unsigned char>;

SymbolLabelConfig Kind(const char* name, int count, double height = 0.003) {
  SymbolLabelConfig r;
  InitRecord(r);
  SetSymbolName(r, name);
  r.nLabelCount = count;
  for (int i = 0; i < 8; ++i) {
    std::string text = std::string(name) + static_cast<char>('0' + i);
    SetSlotText(r, i, text.c_str());
    r.nPosition[i] = i;
    r.bVisible[i] = i % 2;
    r.clrFore[i] = 100 + i;
    r.clrBack[i] = 200 + i;
    r.dHeight[i] = height + i;
    r.dWidth[i] = 0.5 + i;
    r.dAngle[i] = 10.0 * i;
    r.bAngleFollows[i] = i % 3 ? 1 : 0;
  }
  return r;
}

// The bytes of records one after another, as the file holds them.
Bytes Concat(std::initializer_list<SymbolLabelConfig> records) {
  Bytes out;
  for (const SymbolLabelConfig& r : records) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(&r);
    out.insert(out.end(), p, p + sizeof r);
  }
  return out;
}

class LabelConfigFileTest : public ::testing::Test {
 protected:
  // The record a lookup of `kind` finds, which must be there.
  SymbolLabelConfig Found(const char* kind) {
    SymbolLabelConfig r{};
    EXPECT_EQ(file.FindRecord(kind, r), FileStatus()) << kind;
    return r;
  }
  TempHostDir host;
  LabelConfigFile file{host.Directory()};
};

TEST_F(LabelConfigFileTest, MissingFileIsCreatedEmptyAndHoldsNoRecord) {
  ASSERT_FALSE(host.ConfigExists());
  SymbolLabelConfig r = Kind("untouched", 2);
  EXPECT_EQ(file.FindRecord("电动机", r), FileStatus::NotFound());
  EXPECT_TRUE(host.ConfigExists());
  EXPECT_TRUE(host.ReadConfig().empty());
  EXPECT_STREQ(r.szSymbolName, "untouched");
}

TEST_F(LabelConfigFileTest, StoredRecordIsFoundAgainWithEveryField) {
  SymbolLabelConfig a = Kind("电动机", 3);
  ASSERT_EQ(file.StoreRecord(a), FileStatus());
  EXPECT_EQ(host.ReadConfig(), Concat({a}));
  EXPECT_EQ(Concat({Found("电动机")}), Concat({a}));
  SymbolLabelConfig back;
  EXPECT_EQ(file.FindRecord("电动", back), FileStatus::NotFound());  // exact names only
}

TEST_F(LabelConfigFileTest, TrailingPartialRecordIsOverwrittenByAnAppend) {
  Bytes bytes = Concat({Kind("A", 1), Kind("B", 2)});
  Bytes partial = Concat({Kind("C", 3)});
  partial.resize(300);  // "C" at its start, but not a whole record
  bytes.insert(bytes.end(), partial.begin(), partial.end());
  host.WriteConfig(bytes);

  SymbolLabelConfig r;
  EXPECT_EQ(file.FindRecord("C", r), FileStatus::NotFound());
  SymbolLabelConfig d = Kind("D", 4);
  ASSERT_EQ(file.StoreRecord(d), FileStatus());
  EXPECT_EQ(host.ReadConfig(), Concat({Kind("A", 1), Kind("B", 2), d}));
}

TEST_F(LabelConfigFileTest, StoringAnExistingKindChangesOnlyItsBytes) {
  host.WriteConfig(Concat({Kind("A", 1), Kind("B", 2), Kind("C", 3)}));
  SymbolLabelConfig b = Kind("B", 5, 9.0);
  ASSERT_EQ(file.StoreRecord(b), FileStatus());
  EXPECT_EQ(host.ReadConfig(), Concat({Kind("A", 1), b, Kind("C", 3)}));
}

TEST_F(LabelConfigFileTest, DuplicateKindsResolveToTheFirstRecord) {
  host.WriteConfig(Concat({Kind("X", 1), Kind("Y", 1), Kind("X", 2)}));
  EXPECT_EQ(Found("X").nLabelCount, 1);
  SymbolLabelConfig x = Kind("X", 6);
  ASSERT_EQ(file.StoreRecord(x), FileStatus());
  ASSERT_EQ(file.RemoveLabelSlot("X", 0), FileStatus());
  Bytes now = host.ReadConfig();
  ASSERT_EQ(now.size(), 3 * kRecordSize);
  SymbolLabelConfig first, last;
  std::memcpy(&first, now.data(), kRecordSize);
  std::memcpy(&last, now.data() + 2 * kRecordSize, kRecordSize);
  EXPECT_EQ(first.nLabelCount, 5);
  EXPECT_EQ(Concat({last}), Concat({Kind("X", 2)}));
}

TEST_F(LabelConfigFileTest, EveryStoredRecordCarriesSongtiInEveryFontSlot) {
  SymbolLabelConfig r = Kind("综保", 4);
  for (int i = 0; i < 8; ++i) CopyTextField(r.szFont[i], kFontFieldSize, "Arial");
  ASSERT_EQ(file.StoreRecord(r), FileStatus());
  const SymbolLabelConfig back = Found("综保");
  for (int i = 0; i < 8; ++i) EXPECT_STREQ(back.szFont[i], "宋体");
}

TEST_F(LabelConfigFileTest, HeightsReadFromTheGridAreStoredWithTheirSpecialCases) {
  SymbolLabelConfig r = Kind("电钻", 3);
  ReadSlotColumnText(r, 0, kColumnHeight, "0");
  ReadSlotColumnText(r, 1, kColumnHeight, "");
  ReadSlotColumnText(r, 2, kColumnHeight, "0.0");
  ASSERT_EQ(file.StoreRecord(r), FileStatus());
  const SymbolLabelConfig back = Found("电钻");
  EXPECT_EQ(back.dHeight[0], 0.003);
  EXPECT_EQ(back.dHeight[1], 0.003);
  EXPECT_EQ(back.dHeight[2], 0.0);
}

TEST_F(LabelConfigFileTest, RemovingASlotMovesTheFollowingSlotsDown) {
  SymbolLabelConfig before = Kind("K", 4);
  host.WriteConfig(Concat({Kind("A", 1), before}));
  ASSERT_EQ(file.RemoveLabelSlot("K", 2), FileStatus());
  const SymbolLabelConfig after = Found("K");
  EXPECT_EQ(after.nLabelCount, 3);
  EXPECT_STREQ(after.szText[1], "K1");
  EXPECT_STREQ(after.szText[2], "K3");
  EXPECT_EQ(after.nPosition[2], 3);
  EXPECT_EQ(after.bVisible[2], before.bVisible[3]);
  EXPECT_EQ(after.clrFore[2], 103);
  EXPECT_EQ(after.clrBack[2], 203);
  EXPECT_EQ(after.dHeight[2], before.dHeight[3]);
  EXPECT_EQ(after.dWidth[2], before.dWidth[3]);
  EXPECT_EQ(after.dAngle[2], 30.0);
  EXPECT_EQ(after.bAngleFollows[2], before.bAngleFollows[3]);
  // Slot 3 lies beyond the count and keeps its old values.
  EXPECT_STREQ(after.szText[3], "K3");
  EXPECT_EQ(host.ReadConfig().size(), 2 * kRecordSize);
}

TEST_F(LabelConfigFileTest, RemovingFromAFullRecordNeverReadsPastTheLastSlot) {
  SymbolLabelConfig before = Kind("K", 99);  // a damaged count counts as eight
  host.WriteConfig(Concat({before}));
  ASSERT_EQ(file.RemoveLabelSlot("K", 0), FileStatus());
  const SymbolLabelConfig after = Found("K");
  EXPECT_EQ(after.nLabelCount, 7);
  EXPECT_STREQ(after.szText[6], "K7");
  EXPECT_STREQ(after.szText[7], "K7");  // no ninth slot to take from
  EXPECT_EQ(after.bVisible[7], before.bVisible[7]);
}

// Removing a slot rewrites the count and the slots that move, and no other byte: what lies
// beyond the count, the fonts and the bytes after a text's terminator stay as the file had them,
// damaged or not.
TEST_F(LabelConfigFileTest, RemovingASlotRewritesOnlyTheCountAndTheSlotsThatMove) {
  SymbolLabelConfig before = Kind("K", 4);
  std::memcpy(before.szText[1], "ab\0junk after the end", 22);
  std::memset(before.szText[6], 'x', kNameFieldSize);  // unterminated, beyond the count
  std::memset(before.szFont[2], 'F', kFontFieldSize);  // unterminated font of a slot that moves
  before.dHeight[5] = std::numeric_limits<double>::quiet_NaN();
  before.dAngle[7] = std::numeric_limits<double>::infinity();
  host.WriteConfig(Concat({Kind("A", 1), before}));
  ASSERT_EQ(file.RemoveLabelSlot("K", 1), FileStatus());

  // The expected bytes, field by field at the file's offsets: slots 2 and 3 move to 1 and 2.
  Bytes expected = Concat({before});
  const std::int32_t count = 3;
  std::memcpy(&expected[kOffsetLabelCount], &count, 4);
  struct Field {
    std::size_t offset, size;
  };
  const Field moved[] = {{kOffsetText, kNameFieldSize},
                         {kOffsetVisible, 4},
                         {kOffsetPosition, 4},
                         {kOffsetForeColor, 4},
                         {kOffsetBackColor, 4},
                         {kOffsetHeight, 8},
                         {kOffsetWidth, 8},
                         {kOffsetAngle, 8},
                         {kOffsetAngleFollows, 4}};
  const Bytes raw = Concat({before});
  for (const Field& f : moved) {
    for (std::size_t slot = 1; slot <= 2; ++slot) {
      std::memcpy(&expected[f.offset + slot * f.size], &raw[f.offset + (slot + 1) * f.size],
                  f.size);
    }
  }
  Bytes now = host.ReadConfig();
  ASSERT_EQ(now.size(), 2 * kRecordSize);
  EXPECT_EQ(Bytes(now.begin(), now.begin() + kRecordSize), Concat({Kind("A", 1)}));
  EXPECT_EQ(Bytes(now.begin() + kRecordSize, now.end()), expected);
}

TEST_F(LabelConfigFileTest, RemovingOutsideTheSlotsOrForAnAbsentKindChangesNothing) {
  Bytes bytes = Concat({Kind("A", 3)});
  host.WriteConfig(bytes);
  for (int index : {-1, 3, 8, 9})
    EXPECT_EQ(file.RemoveLabelSlot("A", index), FileStatus()) << index;
  EXPECT_EQ(file.RemoveLabelSlot("Z", 0), FileStatus::NotFound());
  EXPECT_EQ(host.ReadConfig(), bytes);
}

TEST_F(LabelConfigFileTest, FirstSlotSizeComesFromTheRecordOrTheDefaults) {
  host.WriteConfig(Concat({Kind("A", 1, 0.25)}));
  double h = 0, w = 0;
  EXPECT_EQ(file.GetFirstSlotSize("A", h, w), FileStatus());
  EXPECT_EQ(h, 0.25);
  EXPECT_EQ(w, 0.5);
  EXPECT_EQ(file.GetFirstSlotSize("B", h, w), FileStatus::NotFound());
  EXPECT_EQ(h, 0.003);
  EXPECT_EQ(w, 0.0015);
}

TEST_F(LabelConfigFileTest, DamagedCountsAndUnterminatedTextsAreRepairedOnReading) {
  SymbolLabelConfig big = Kind("A", 0), small = Kind("B", 0);
  big.nLabelCount = 1000;
  small.nLabelCount = -3;
  std::memset(big.szText[7], 'x', kNameFieldSize);
  host.WriteConfig(Concat({big, small}));
  EXPECT_EQ(Found("A").nLabelCount, 8);
  EXPECT_EQ(std::strlen(Found("A").szText[7]), 49u);
  EXPECT_EQ(Found("B").nLabelCount, 0);
}

TEST_F(LabelConfigFileTest, SizesAndAnglesThatAreNotFiniteReadAsTheirDefaults) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  SymbolLabelConfig damaged = Kind("A", 3);
  damaged.dHeight[0] = -inf;
  damaged.dWidth[0] = nan;
  damaged.dAngle[1] = inf;
  damaged.dHeight[7] = nan;  // beyond the count, still never handed out
  host.WriteConfig(Concat({damaged}));
  double h = 0, w = 0;
  file.GetFirstSlotSize("A", h, w);  // what a new grid row shows
  EXPECT_EQ(h, 0.003);
  EXPECT_EQ(w, 0.0015);
  const SymbolLabelConfig r = Found("A");
  EXPECT_EQ(r.dHeight[0], 0.003);
  EXPECT_EQ(r.dWidth[0], 0.0015);
  EXPECT_EQ(r.dAngle[1], 0.0);
  EXPECT_EQ(r.dHeight[7], 0.003);
  EXPECT_EQ(r.dWidth[1], 1.5) << "finite values stay";
}

TEST(LabelConfigFileMissingFolder, EveryOperationSaysUnavailableShowsNothingAndChangesNothing) {
  TempHostDir host(false);  // no "机电数据库" folder
  LabelConfigFile file(host.Directory());
  SymbolLabelConfig r = Kind("kept", 2);
  EXPECT_EQ(file.FindRecord("A", r), FileStatus::Unavailable());
  EXPECT_STREQ(r.szSymbolName, "kept");
  EXPECT_EQ(file.StoreRecord(Kind("A", 1)), FileStatus::Unavailable());
  EXPECT_EQ(file.RemoveLabelSlot("A", 0), FileStatus::Unavailable());
  double h = 1, w = 1;
  EXPECT_EQ(file.GetFirstSlotSize("A", h, w), FileStatus::Unavailable());
  EXPECT_EQ(h, 0.003);
  EXPECT_EQ(w, 0.0015);
  EXPECT_FALSE(host.ConfigExists());
}

// The configuration file in the shared in-memory file system, with its log.
struct MemoryConfig {
  struct Log : IFileLog {
    std::vector<std::string> lines;
    void Write(const char* line) override { lines.emplace_back(line); }
  };
  static constexpr const char* kHost = "C:\\host\\";
  vjd::testing::MemoryRecordFileSystem files;
  Log log;
  LabelConfigFile file{kHost, &files, &log};
  std::string Path() const { return std::string(kHost) + LabelConfigFile::kRelativePath; }
  Bytes Read() const {
    const std::string& bytes = files.Contents(Path());
    return Bytes(bytes.begin(), bytes.end());
  }
  void Put(const Bytes& bytes) { files.Put(Path(), std::string(bytes.begin(), bytes.end())); }
};

TEST(LabelConfigFileFaults, FailedWritesFlushesAndReadsAreReportedNotSwallowed) {
  MemoryConfig m;
  m.Put(Concat({Kind("A", 1)}));
  auto& faults = m.files.faults;
  faults.writes = -1;
  EXPECT_EQ(m.file.StoreRecord(Kind("B", 1)), FileStatus::IoError());
  EXPECT_EQ(m.file.RemoveLabelSlot("A", 0), FileStatus::IoError());
  faults.writes = 0;
  faults.closes = 1;
  EXPECT_EQ(m.file.StoreRecord(Kind("B", 1)), FileStatus::IoError());
  faults.flushes = -1;
  EXPECT_EQ(m.file.StoreRecord(Kind("A", 3)), FileStatus::IoError());
  faults.flushes = 0;

  // A read that fails while looking for the kind must not end in a second, appended record.
  faults.reads = -1;
  const int writes = m.files.counts.writes;
  EXPECT_EQ(m.file.StoreRecord(Kind("A", 2)), FileStatus::IoError());
  EXPECT_EQ(m.files.counts.writes, writes);
  SymbolLabelConfig r = Kind("kept", 1);
  EXPECT_EQ(m.file.FindRecord("A", r), FileStatus::IoError());
  EXPECT_STREQ(r.szSymbolName, "kept");
}

TEST(LabelConfigFileFaults, AnOverwriteOrAppendThatFailsPartWayLeavesTheRecordsAsTheyWere) {
  MemoryConfig m;
  const Bytes before = Concat({Kind("A", 4), Kind("B", 3)});
  m.Put(before);
  m.files.faults.writes = 1;  // half of the record lands, as on a disk that filled up
  EXPECT_EQ(m.file.StoreRecord(Kind("B", 1, 0.5)), FileStatus::IoError());
  EXPECT_EQ(m.Read(), before);
  m.files.faults.writes = 1;
  EXPECT_EQ(m.file.RemoveLabelSlot("A", 1), FileStatus::IoError());
  EXPECT_EQ(m.Read(), before);
  // An append cut short leaves a partial record, which is no record: the next one goes over it.
  m.files.faults.writes = 1;
  EXPECT_EQ(m.file.StoreRecord(Kind("C", 1)), FileStatus::IoError());
  SymbolLabelConfig r;
  EXPECT_EQ(m.file.FindRecord("C", r), FileStatus::NotFound());
  EXPECT_EQ(m.file.StoreRecord(Kind("D", 1)), FileStatus());
  EXPECT_EQ(m.Read(), Concat({Kind("A", 4), Kind("B", 3), Kind("D", 1)}));
}

// Another program keeps the lock beyond the wait: every operation says the file is busy, not
// missing, and changes nothing.  Where the file system keeps no locks, every operation goes on
// without one, as before there was a lock, and the log hears of it once.
TEST(LabelConfigFileLocks, BusyIsNotMissingAndAFileSystemWithoutLocksIsUsedWithoutThem) {
  for (const bool unsupported : {false, true}) {
    SCOPED_TRACE(unsupported ? "no locks" : "busy");
    MemoryConfig m;
    const Bytes before = Concat({Kind("A", 3), Kind("B", 2)});
    m.Put(before);
    m.files.faults.busyLocks = unsupported ? 0 : -1;
    m.files.faults.locksUnsupported = unsupported;
    const FileStatus expected = unsupported ? FileStatus() : FileStatus::Busy();
    SymbolLabelConfig r = Kind("kept", 1);
    EXPECT_EQ(m.file.FindRecord("B", r), expected);
    EXPECT_STREQ(r.szSymbolName, unsupported ? "B" : "kept");
    double h = 0, w = 0;
    EXPECT_EQ(m.file.GetFirstSlotSize("A", h, w), expected);
    EXPECT_EQ(m.file.StoreRecord(Kind("C", 1)), expected);
    EXPECT_EQ(m.file.StoreRecord(Kind("A", 1)), expected);
    EXPECT_EQ(m.file.RemoveLabelSlot("B", 0), expected);
    if (unsupported) {
      EXPECT_EQ(m.file.FindRecord("B", r), FileStatus());
      EXPECT_EQ(r.nLabelCount, 1);
      EXPECT_STREQ(r.szText[0], "B1");
      EXPECT_EQ(m.file.FindRecord("A", r), FileStatus());
      EXPECT_EQ(r.nLabelCount, 1);
      EXPECT_EQ(m.Read().size(), 3 * kRecordSize);
      EXPECT_EQ(m.log.lines, std::vector<std::string>{LabelConfigFile::kLogNoLock + m.Path()});
    } else {
      EXPECT_EQ(m.Read(), before);
      EXPECT_TRUE(m.log.lines.empty());
    }
    EXPECT_EQ(m.files.OpenFiles(), 0);
  }
  EXPECT_TRUE(FileStatus::Busy().Failed());
}

}  // namespace

namespace {

// Another program's hold on the file: a second open of it, locked.
std::unique_ptr<IRecordFile> HoldLock(const TempHostDir& host, RecordFileLock kind) {
  static StdioRecordFileSystem no_wait(0);
  auto file = no_wait.OpenOrCreate(host.Directory() + LabelConfigFile::kRelativePath);
  if (file && file->Lock(kind) != LockResult::kHeld) file.reset();
  return file;
}

// While another program holds the lock, a writer waits, then gives up: the file is unavailable
// for it and unchanged; readers share a shared lock.  Every operation lets go of its own lock.
TEST(LabelConfigFileLock, AnOperationWaitsForAnotherProgramsLockAndGivesUpWithoutChanges) {
  TempHostDir host;
  StdioRecordFileSystem short_wait(30);
  LabelConfigFile file(host.Directory(), &short_wait);
  const Bytes before = Concat({Kind("A", 3), Kind("B", 2)});
  host.WriteConfig(before);
  struct Case {
    RecordFileLock held;
    bool reads;  // FindRecord and GetFirstSlotSize go on
  };
  for (const Case& c :
       {Case{RecordFileLock::kShared, true}, Case{RecordFileLock::kExclusive, false}}) {
    SCOPED_TRACE(c.reads ? "shared lock held" : "exclusive lock held");
    auto held = HoldLock(host, c.held);
    ASSERT_TRUE(held);
    const FileStatus read = c.reads ? FileStatus() : FileStatus::Busy();
    SymbolLabelConfig r = Kind("kept", 1);
    EXPECT_EQ(file.FindRecord("A", r), read);
    double h = 0, w = 0;
    EXPECT_EQ(file.GetFirstSlotSize("B", h, w), read);
    EXPECT_EQ(file.StoreRecord(Kind("C", 1)), FileStatus::Busy());
    EXPECT_EQ(file.StoreRecord(Kind("A", 1)), FileStatus::Busy());
    EXPECT_EQ(file.RemoveLabelSlot("A", 0), FileStatus::Busy());
    EXPECT_EQ(host.ReadConfig(), before);
  }
  EXPECT_EQ(file.StoreRecord(Kind("C", 1)), FileStatus());
  EXPECT_TRUE(HoldLock(host, RecordFileLock::kExclusive)) << "the store kept its lock";
  SymbolLabelConfig r;
  EXPECT_EQ(file.FindRecord("C", r), FileStatus());
  EXPECT_TRUE(HoldLock(host, RecordFileLock::kExclusive)) << "the lookup kept its lock";
}

#ifndef _WIN32
// The lock lies where a Windows program's LockFileEx puts it under Wine: byte 2^62, one byte long,
// which wineserver locks with a POSIX record lock.  Natively it is an open-file-description lock,
// which meets such a lock, so the window under Wine and a Linux script's vjdcfg exclude each other.
TEST(LabelConfigFileLock, TheLockIsByte2To62AndMeetsTheRecordLockWineTakesThere) {
  TempHostDir host;
  host.WriteConfig(Concat({Kind("A", 1)}));
  const std::string path = std::string(
      StdioRecordFileSystem::NativePath(host.Directory() + LabelConfigFile::kRelativePath));
  // wineserver: another process, holding a POSIX record lock until told to let go.
  int go[2], ready[2];
  ASSERT_EQ(::pipe(go), 0);
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t wineserver = ::fork();
  ASSERT_GE(wineserver, 0);
  if (wineserver == 0) {
    ::close(go[1]);
    ::close(ready[0]);
    const int fd = ::open(path.c_str(), O_RDWR);
    struct flock wine = {F_WRLCK, SEEK_SET, off_t{1} << 62, 1, 0};
    const char locked = fd >= 0 && ::fcntl(fd, F_SETLK, &wine) == 0 ? 'y' : 'n';
    char done;
    if (::write(ready[1], &locked, 1) != 1 || ::read(go[0], &done, 1) < 0) ::_exit(1);
    ::_exit(0);
  }
  ::close(go[0]);
  ::close(ready[1]);
  char locked = 0;
  ASSERT_EQ(::read(ready[0], &locked, 1), 1);
  ASSERT_EQ(locked, 'y');
  StdioRecordFileSystem short_wait(30);
  LabelConfigFile file(host.Directory(), &short_wait);
  SymbolLabelConfig r;
  EXPECT_EQ(file.FindRecord("A", r), FileStatus::Busy());
  EXPECT_EQ(file.StoreRecord(Kind("B", 1)), FileStatus::Busy());
  ::close(go[1]);
  int status = 0;
  ::waitpid(wineserver, &status, 0);
  ::close(ready[0]);
  EXPECT_EQ(file.StoreRecord(Kind("B", 1)), FileStatus());

  // The lock this program takes, as another one sees it.
  auto held = HoldLock(host, RecordFileLock::kShared);
  ASSERT_TRUE(held);
  const int fd = ::open(path.c_str(), O_RDWR);
  ASSERT_GE(fd, 0);
  struct flock asked = {F_WRLCK, SEEK_SET, 0, 0, 0};
  ASSERT_EQ(::fcntl(fd, F_OFD_GETLK, &asked), 0);
  EXPECT_EQ(asked.l_type, F_RDLCK);
  EXPECT_EQ(asked.l_start, off_t{1} << 62);
  EXPECT_EQ(asked.l_len, 1);
  EXPECT_EQ(asked.l_pid, -1) << "an open-file-description lock";
  ::close(fd);
}
#endif

TEST(LabelConfigFileLock, AWriterGoesOnOnceTheOtherProgramLetsGo) {
  TempHostDir host;
  auto held = HoldLock(host, RecordFileLock::kExclusive);
  ASSERT_TRUE(held);
  std::thread other([&held] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    held->Close();
  });
  LabelConfigFile file(host.Directory());  // the usual wait of a few seconds
  const FileStatus stored = file.StoreRecord(Kind("A", 1));
  other.join();
  EXPECT_EQ(stored, FileStatus());
  EXPECT_EQ(host.ReadConfig(), Concat({Kind("A", 1)}));
}

}  // namespace
