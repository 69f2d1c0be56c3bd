// How vjdcfg treats the files it is given: it writes through what a path names (a symbolic link's
// target, the one file behind several hard links, its mode kept), refuses what is no regular
// file, reads standard input for "-", and waits for another program's lock on the file, then
// gives up changing nothing; every command first undoes a write that did not finish, from the
// journal beside the file (a write that fails, crash_and_full_disk.sh).  Plus the command line's
// own answers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "FileAccess.h"
#include "LabelConfigFile.h"
#include "MemoryRecordFileSystem.h"
#include "RollbackJournal.h"
#include "StdioRecordFileSystem.h"
#include "VjdcfgTestKit.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace vjd::annotation;
using namespace vjdcfg_test;
using testing::HasSubstr;
namespace fs = std::filesystem;

namespace {

const char kOneKind[] = R"({"kinds": [{"kind": "K", "count": 0, "slots": []}]})";

class FileUse : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = dir_.Path("a.cfg");
    WindowStore(file_, GridRecord("甲", {{"设备", "是", "", "", "是", "", "", "", 8}}));
    before_ = ReadBytes(file_);
  }
  TempDir dir_;
  std::string file_;
  std::string before_;
};

TEST_F(FileUse, EveryCommandThatReadsAFileReadsStandardInputForADash) {
  struct Case {
    std::vector<std::string> args;
    std::string out;  // part of what it prints
  };
  const Case cases[] = {
      {{"list", "-"}, u8"0\t\"甲\"\t1\t\"设备\""},
      {{"dump", "-"}, u8"\"kind\": \"甲\""},
      {{"check", "-"}, "standard input: 1 record(s), no problems"},
      {{"repair", "-", "-o", "-"}, before_},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[0]);
    ToolRun run = RunTool(c.args, before_);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr(c.out));
  }
  EXPECT_EQ(RunTool({"load", "-", "-"}, kOneKind).status, 1);  // load writes its FILE
  ToolRun repair = RunTool({"repair", "-", "-o", dir_.Path("out.cfg")}, before_ + "xyz");
  EXPECT_EQ(repair.status, 0) << repair.err;
  EXPECT_TRUE(ReadBytes(dir_.Path("out.cfg")) == before_);
}

TEST_F(FileUse, RepairWritesAnExistingOutputInPlace) {
  const std::string out = dir_.Path("out.cfg");
  WriteBytes(out, std::string(5000, 'x'));  // longer than the clean copy
  ASSERT_EQ(RunTool({"repair", file_, "-o", out}).status, 0);
  EXPECT_TRUE(ReadBytes(out) == before_);
}

TEST(CommandLine, AnUnknownCommandIsNamedAndTheVersionIsTheProjects) {
  ToolRun unknown = RunTool({"frob", "a.cfg"});
  EXPECT_NE(unknown.status, 0);
  EXPECT_NE(unknown.status, 1);
  EXPECT_NE(unknown.status, 2);
  EXPECT_THAT(unknown.err, HasSubstr("unknown command \"frob\""));
  ToolRun version = RunTool({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "vjdcfg " VJDCFG_TEST_VERSION "\n");
  EXPECT_NE(RunTool({}).status, 0);  // no command at all
}

// Another program holds the file's lock: a writer waits for it, then gives up with status 2 and
// changes nothing; a reader waits only for an exclusive lock.
TEST_F(FileUse, ACommandWaitsForAnotherProgramsLockAndGivesUpChangingNothing) {
  const std::string out = dir_.Path("out.cfg");
  WriteBytes(out, "old");
  struct Case {
    RecordFileLock held;
    std::vector<std::string> args;
    int status;
  };
  const Case cases[] = {
      {RecordFileLock::kShared, {"load", file_, "-"}, 2},
      {RecordFileLock::kShared, {"check", file_}, 0},
      {RecordFileLock::kShared, {"repair", out, "-o", file_}, 2},
      {RecordFileLock::kExclusive, {"load", file_, "-"}, 2},
      {RecordFileLock::kExclusive, {"check", file_}, 2},
      {RecordFileLock::kExclusive, {"dump", file_}, 2},
      {RecordFileLock::kExclusive, {"repair", file_, "-o", out}, 2},
  };
  StdioRecordFileSystem no_wait(0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[0] +
                 (c.held == RecordFileLock::kShared ? " beside a reader" : " beside a writer"));
    std::unique_ptr<IRecordFile> held = no_wait.OpenOrCreate(file_.c_str());
    ASSERT_TRUE(held && held->Lock(c.held) == LockResult::kHeld);
    std::vector<std::string> args = {"--wait", "0.05"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    ToolRun run = RunTool(args, kOneKind);
    EXPECT_EQ(run.status, c.status) << run.err;
    if (c.status == 2) {
      EXPECT_THAT(run.err, HasSubstr(file_ + " is in use by another program (waited 0.05 s)"));
    }
    EXPECT_TRUE(ReadBytes(file_) == before_);
    EXPECT_EQ(ReadBytes(out), "old");
  }
  ToolRun run = RunTool({"load", file_, "-"}, kOneKind);  // nobody holds it now
  EXPECT_EQ(run.status, 0) << run.err;
}

// The journal a write of `after` over `before` leaves when its writer dies at its first write to
// the file (made in memory, by the same code).
std::string JournalOfADeadWrite(const std::string& before, const std::string& after) {
  vjd::testing::MemoryRecordFileSystem files;
  files.Put("f", before);
  std::unique_ptr<IRecordFile> file = files.OpenOrCreate("f");
  // The journal created, emptied, written, synced, sealed, synced: then the file's first write.
  files.faults.crashAfterWrites = 6;
  RollbackJournal(files, "f").Write(*file, before, after);
  return files.Contents(std::string("f") + RollbackJournal::kSuffix);
}

TEST_F(FileUse, EveryCommandFirstUndoesAWriteThatDidNotFinish) {
  const std::string out = dir_.Path("out.cfg"), journal = file_ + RollbackJournal::kSuffix;
  const std::string after = before_ + Bytes(GridRecord("乙", {})) + Bytes(GridRecord("丙", {}));
  const std::string dead = JournalOfADeadWrite(before_, after);
  const std::string half = after.substr(0, before_.size() + kRecordSize / 2);
  // What a load of one more kind makes of the file as it was.
  WriteBytes(out, before_);
  ASSERT_EQ(RunTool({"load", out, "-"}, kOneKind).status, 0);
  const std::string loaded = ReadBytes(out);
  struct Case {
    std::vector<std::string> args;
    std::string file;  // what the file holds afterwards
  };
  const Case cases[] = {
      {{"list", file_}, before_},     {{"dump", file_}, before_},
      {{"check", file_}, before_},    {{"repair", file_, "-o", out}, before_},
      {{"load", file_, "-"}, loaded}, {{"repair", out, "-o", file_}, before_},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + c.args[1]);
    WriteBytes(file_, half);
    WriteBytes(journal, dead);
    WriteBytes(out, before_);
    ToolRun run = RunTool(c.args, kOneKind);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(ReadBytes(file_) == c.file);
    EXPECT_FALSE(FileExists(journal));
    EXPECT_THAT(
        run.err,
        HasSubstr(file_ + ": a write that did not finish was undone from its journal " + journal));
  }
}

// A dry run and a diff change nothing, a journal beside the file included: they read the file as
// its next writer will find it once the journal is undone, and say so.
TEST_F(FileUse, ADryRunAndADiffLookThroughAJournalWithoutUndoingIt) {
  const std::string out = dir_.Path("out.cfg"), journal = file_ + RollbackJournal::kSuffix;
  // The write died with 甲 rewritten and 乙 half appended.
  const std::string after = Bytes(GridRecord("甲", {})) + Bytes(GridRecord("乙", {}));
  const std::string dead = JournalOfADeadWrite(before_, after);
  const std::string half = after.substr(0, kRecordSize + kRecordSize / 2);
  WriteBytes(out, before_);
  const ToolRun clean = RunTool({"load", "--dry-run", out, "-"}, kOneKind);
  ASSERT_EQ(clean.status, 0) << clean.err;
  WriteBytes(file_, half);
  WriteBytes(journal, dead);
  const ToolRun dry = RunTool({"load", "--dry-run", file_, "-"}, kOneKind);
  const ToolRun diff = RunTool({"diff", file_, out});
  EXPECT_EQ(dry.status, 0) << dry.err;
  EXPECT_EQ(dry.out.substr(0, dry.out.find(file_)), clean.out.substr(0, clean.out.find(out)));
  EXPECT_EQ(diff.status, 0) << diff.out << diff.err;  // the same, once the journal is undone
  for (const ToolRun* run : {&dry, &diff}) {
    EXPECT_THAT(run->err, HasSubstr("of a write that did not finish will be undone first"));
  }
  EXPECT_TRUE(ReadBytes(file_) == half);
  EXPECT_TRUE(ReadBytes(journal) == dead);
}

// A journal that does not hold together is no proof of what the file held: every command uses
// the file as it is and says so, a write refuses to go on beside it (it could not journal), unless
// told to write without a journal; the journal stays for a person to look at.
TEST_F(FileUse, ABrokenJournalIsLeftAloneAndAWriteBesideItNeedsNoJournal) {
  const std::string journal = file_ + RollbackJournal::kSuffix;
  std::string broken = JournalOfADeadWrite(before_, before_ + Bytes(GridRecord("乙", {})));
  broken[broken.size() - 1] ^= 1;
  WriteBytes(journal, broken);
  const std::string said = journal + " is no journal that can be undone";
  ToolRun check = RunTool({"check", file_});
  EXPECT_EQ(check.status, 0) << check.err;
  EXPECT_THAT(check.err, HasSubstr(said));
  ToolRun load = RunTool({"load", file_, "-"}, kOneKind);
  EXPECT_EQ(load.status, 2);
  EXPECT_THAT(load.err,
              HasSubstr("the journal " + journal + " is in the way; nothing was written"));
  EXPECT_TRUE(ReadBytes(file_) == before_);
  ToolRun forced = RunTool({"--no-journal", "load", file_, "-"}, kOneKind);
  EXPECT_EQ(forced.status, 0) << forced.err;
  EXPECT_EQ(ReadBytes(file_).size(), before_.size() + kRecordSize);
  EXPECT_TRUE(ReadBytes(journal) == broken);
}

#ifndef _WIN32
// Loading through a symbolic link stores into the file it names, which the window reads; the
// link stays a link, the mode stays and a second name of the file sees the change.
TEST_F(FileUse, AFileIsWrittenWhereItsPathLeads) {
  ASSERT_EQ(::chmod(file_.c_str(), 0640), 0);
  const std::string link = dir_.Path("link.cfg"), second = dir_.Path("second-name.cfg");
  fs::create_symlink(file_, link);
  fs::create_hard_link(file_, second);
  ToolRun run = RunTool({"load", link, "-"}, kOneKind);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadBytes(file_).size(), 2 * kRecordSize);
  EXPECT_TRUE(ReadBytes(second) == ReadBytes(file_));
  struct stat st;
  ASSERT_EQ(::stat(file_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(st.st_nlink, 2u);

  const std::string copy = dir_.Path("copy.cfg"), copy_link = dir_.Path("copy-link.cfg");
  WriteBytes(copy, "");
  fs::create_symlink(copy, copy_link);
  ASSERT_EQ(RunTool({"repair", file_, "-o", copy_link}).status, 0);
  EXPECT_TRUE(fs::is_symlink(copy_link));
  EXPECT_TRUE(ReadBytes(copy) == ReadBytes(file_));
}

// A FIFO or a device is no configuration file: refused, and left as it is.
TEST_F(FileUse, WhatIsNoRegularFileIsRefused) {
  const std::string fifo = dir_.Path("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::vector<std::string> commands[] = {
      {"repair", file_, "-o", fifo},
      {"load", fifo, "-"},
      {"check", fifo},
      {"list", "/dev/zero"},
      {"check", "/dev/zero"},
      {"repair", file_, "-o", "/dev/null"},
      {"load", "/dev/null", "-"},
      {"check", dir_.Path(".")},
  };
  for (const std::vector<std::string>& args : commands) {
    SCOPED_TRACE(args[0] + " " + args[args.size() - 1]);
    ToolRun run = RunTool(args, kOneKind);
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.err, HasSubstr("is not a regular file"));
  }
  struct stat st;
  ASSERT_EQ(::stat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}
#endif

}  // namespace
